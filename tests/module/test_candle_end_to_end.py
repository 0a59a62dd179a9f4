"""Candle types in a strategy: enter when PlusDi crosses above MinusDi, leave when the close falls
below an AtrTrailingStop; the trades are checked against a plain simulation of the same rules."""

import json
import random
from fractions import Fraction

from prynox_impact import Impact

N = 5
K = 2.0


def fma(a, b, c):
    return float(Fraction(a) * Fraction(b) + Fraction(c))


def true_range(h, l, pc):
    return max(h - l, abs(h - pc), abs(l - pc))


def directional_index(candles, n, plus):
    out, prev, count, dm_sum, tr_sum, dm_s, tr_s = [], None, 0, 0.0, 0.0, None, None
    for _, h, l, c in candles:
        if prev is None:
            prev = (h, l, c)
            out.append(None)
            continue
        ph, pl, pc = prev
        up, down = h - ph, pl - l
        dm = (up if up > down and up > 0 else 0.0) if plus else (down if down > up and down > 0 else 0.0)
        tr = true_range(h, l, pc)
        prev = (h, l, c)
        if dm_s is None:
            dm_sum, tr_sum, count = dm_sum + dm, tr_sum + tr, count + 1
            if count < n:
                out.append(None)
                continue
            dm_s, tr_s = dm_sum, tr_sum
        else:
            dm_s, tr_s = dm_s - dm_s / n + dm, tr_s - tr_s / n + tr
        out.append(0.0 if tr_s == 0 else 100.0 * dm_s / tr_s)
    return out


def atr_trailing_stop(candles, n, k):
    out, prev_close, seed, count, atr, stop, stop_close = [], None, 0.0, 0, None, None, None
    for _, h, l, c in candles:
        tr = h - l if prev_close is None else true_range(h, l, prev_close)
        prev_close = c
        if atr is None:
            seed, count = seed + tr, count + 1
            if count < n:
                out.append(None)
                continue
            atr = seed / count
        else:
            atr = fma(atr, n - 1.0, tr) * (1.0 / n)
        offset = atr * k
        if stop is None:
            stop = c - offset
        elif c > stop:
            stop = max(stop, c - offset) if stop_close > stop else c - offset
        else:
            stop = min(stop, c + offset) if c < stop and stop_close < stop else c + offset
        stop_close = c
        out.append(stop)
    return out


def crossed_above(f, s, i):
    return i > 0 and None not in (f[i], s[i], f[i - 1], s[i - 1]) and f[i - 1] <= s[i - 1] and f[i] > s[i]


def simulate(candles, opens, warmup):
    plus, minus = directional_index(candles, N, True), directional_index(candles, N, False)
    stop = atr_trailing_stop(candles, N, K)
    trades, position, pending = [], None, None
    for i, (_, _, _, close) in enumerate(candles):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and stop[i] is not None and close < stop[i]:
                pending = "exit"
            elif not position and crossed_above(plus, minus, i):
                pending = "entry"
    if position:
        trades.append((position[0], len(candles) - 1, position[1], candles[-1][3], "end"))
    return trades


def market(count=400, seed=7):
    rng = random.Random(seed)
    candles, opens, close = [], [], 100.0
    for i in range(count):
        drift = 0.6 if (i // 40) % 2 == 0 else -0.6
        o = close
        close = round(max(1.0, o + drift + rng.uniform(-2.0, 2.0)), 2)
        h = round(max(o, close) + rng.uniform(0.0, 1.5), 2)
        l = round(min(o, close) - rng.uniform(0.0, 1.5), 2)
        candles.append((i, h, l, close))
        opens.append(o)
    return candles, opens


def test_directional_entry_with_an_atr_stop_exit_matches_a_plain_simulation():
    candles, opens = market()
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {
                "pdi": {"type": "PlusDi", "params": [N]},
                "mdi": {"type": "MinusDi", "params": [N]},
                "stop": {"type": "AtrTrailingStop", "params": [N, K]},
            },
            "entry": {"cross_above": ["pdi", "mdi"]},
            "exit": {"lt": [{"price": "close"}, "stop"]},
            "sizing": {"type": "fixed_qty", "qty": 1},
        },
        "book_model": {"kind": "orderbook_walk"},
    }
    data = {
        "candles": [{"time": t, "open": o, "high": h, "low": l, "close": c, "volume": 100}
                    for (t, h, l, c), o in zip(candles, opens)],
        "books": [{"bids": [[o - 0.5, 1000]], "asks": [[o + 0.5, 1000]]} for o in opens],
    }
    report = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": data})))["report"]
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"]) for t in report["trades"]]
    expected = simulate(candles, opens, warmup=N + 1)
    assert len(expected) >= 4
    assert got == expected
