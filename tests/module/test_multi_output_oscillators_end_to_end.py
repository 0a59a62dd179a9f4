"""Multi-output oscillators in rules, run through Impact.command: in while "adx.adx" is above 25
and "stoch.k" crosses above "stoch.d", out when "stoch.k" crosses below "stoch.d", checked against
a plain simulation of both indicators and the rules."""

import json
import math

from prynox_impact import Impact

ADX, STOCH = 14, (14, 3)


def adx(candles, n):
    """(+DI, -DI, ADX) per bar: Wilder's sums seeded with n plain sums, ADX seeded with n DX."""
    out, prev, seed, count, sums, dxs, value = [], None, [0.0, 0.0, 0.0], 0, None, [], None
    for c in candles:
        if prev is None:
            prev = c
            out.append(None)
            continue
        tr = max(c["high"] - c["low"], abs(c["high"] - prev["close"]), abs(c["low"] - prev["close"]))
        up, down = c["high"] - prev["high"], prev["low"] - c["low"]
        moves = [tr, up if up > down and up > 0 else 0.0, down if down > up and down > 0 else 0.0]
        prev = c
        if sums is None:
            seed, count = [s + m for s, m in zip(seed, moves)], count + 1
            if count < n:
                out.append(None)
                continue
            sums = seed
        else:
            sums = [m + (s - s / n) for s, m in zip(sums, moves)]
        plus, minus = ((100.0 * s) / sums[0] if sums[0] != 0 else 0.0 for s in sums[1:])
        dx = (abs(plus - minus) * 100.0) / (plus + minus) if plus + minus != 0 else 0.0
        if value is None:
            dxs.append(dx)
            if len(dxs) < n:
                out.append(None)
                continue
            total = 0.0
            for d in dxs:
                total += d
            value = total / n
        else:
            value = (dx + (n - 1) * value) / n
        out.append((plus, minus, value))
    return out


def stochastic(candles, k, d):
    """(%K, %D): %K over the last k candles (50 on a flat range), %D a running sum of d, subtracting
    the leaving value and summed afresh after every 16 d updates."""
    out, ks, total, updates = [], [], 0.0, 0
    for i, c in enumerate(candles):
        if i + 1 < k:
            out.append(None)
            continue
        window = candles[i + 1 - k:i + 1]
        hh, ll = max(x["high"] for x in window), min(x["low"] for x in window)
        kv = 50.0 if hh - ll == 0 else (100.0 * (c["close"] - ll)) / (hh - ll)
        total = kv + (total - ks[-d]) if len(ks) >= d else kv + total
        ks.append(kv)
        updates += 1
        if updates >= 16 * d:
            total, updates = -0.0, 0
            for v in ks[-d:]:
                total += v
        out.append((kv, total / d) if len(ks) >= d else None)
    return out


def crossed(a, b, i, above):
    if i == 0 or None in (a[i], b[i], a[i - 1], b[i - 1]):
        return False
    return a[i - 1] <= b[i - 1] and a[i] > b[i] if above else a[i - 1] >= b[i - 1] and a[i] < b[i]


def simulate(candles, warmup, threshold=25):
    """Entries and exits at the next open through a one-level book: ask = open + 0.5, bid = open - 0.5."""
    a, s = adx(candles, ADX), stochastic(candles, *STOCH)
    k, d = [x and x[0] for x in s], [x and x[1] for x in s]
    trades, position, pending = [], None, None
    for i, c in enumerate(candles):
        if pending == "entry":
            position = (i, c["open"] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], c["open"] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and crossed(k, d, i, above=False):
                pending = "exit"
            elif not position and a[i] and a[i][2] > threshold and crossed(k, d, i, above=True):
                pending = "entry"
    if position:
        trades.append((position[0], len(candles) - 1, position[1], candles[-1]["close"], "end"))
    return trades


def test_adx_filtered_stochastic_crosses_match_a_plain_simulation():
    # Trending legs with swings on them, so that the ADX rises above 25 and %K crosses %D often.
    closes, x = [], 100.0
    for i in range(400):
        x += (0.9 if (i // 60) % 2 == 0 else -0.8) + 2.5 * math.sin(0.45 * i)
        closes.append(round(x * 4) / 4)  # quarters: the fills at open +- 0.5 are exact
    opens = [closes[0]] + closes[:-1]
    candles = [{"time": i, "open": o, "high": max(o, c) + 0.25 * (1 + i % 5), "low": min(o, c) - 0.25 * (1 + i % 3),
                "close": c, "volume": 100}
               for i, (o, c) in enumerate(zip(opens, closes))]
    spec = {"strategy": {"symbol": "X", "timeframe": "1m",
                         "indicators": {"adx": {"type": "Adx", "params": [ADX]},
                                        "stoch": {"type": "Stochastic", "params": list(STOCH)}},
                         "entry": {"all": [{"gt": ["adx.adx", 25]}, {"cross_above": ["stoch.k", "stoch.d"]}]},
                         "exit": {"cross_below": ["stoch.k", "stoch.d"]},
                         "sizing": {"type": "fixed_qty", "qty": 1}},
            "book_model": {"kind": "orderbook_walk"}}
    books = [{"bids": [[o - 0.5, 1000]], "asks": [[o + 0.5, 1000]]} for o in opens]
    answer = json.loads(Impact(json.dumps(spec)).command(
        json.dumps({"cmd": "run", "data": {"candles": candles, "books": books}})))
    assert "report" in answer, answer
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"])
           for t in answer["report"]["trades"]]
    expected = simulate(candles, warmup=2 * ADX)
    # The ADX filter keeps some crosses out.
    assert len(expected) >= 3 and simulate(candles, 2 * ADX, threshold=-1) != expected
    assert got == expected
