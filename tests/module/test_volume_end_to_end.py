"""Volume types in a strategy: enter when Obv crosses above its own value 10 bars before (read
through "prev"), leave when the close falls below Vwma; the trades are checked against a plain
simulation of the same rules."""

import json
import random

from prynox_impact import Impact

LAG = 10
N = 8


def obv(candles):
    out, total, prev = [], 0.0, None
    for _, _, _, close, volume in candles:
        if prev is not None and close > prev:
            total = volume + total
        elif prev is not None and close < prev:
            total = total - volume
        prev = close
        out.append(total)
    return out


def vwma(candles, n):
    """Running sums with subtract-on-evict, recomputed from the window every n pairs; the plain
    mean of the closes over a window without volume."""
    out, window, pv, vs, ps, updates = [], [], 0.0, 0.0, 0.0, 0
    for _, _, _, close, volume in candles:
        if len(window) == n:
            p, v = window.pop(0)
            pv, vs, ps = pv - p * v, vs - v, ps - p
        window.append((close, volume))
        pv, vs, ps, updates = pv + close * volume, vs + volume, ps + close, updates + 1
        if updates >= n:
            pv = vs = ps = 0.0
            for p, v in window:
                pv, vs, ps = pv + p * v, vs + v, ps + p
            updates = 0
        if len(window) < n:
            out.append(None)
        elif any(v > 0 for _, v in window) and vs > 0:
            out.append(pv / vs)
        else:
            out.append(ps / n)
    return out


def crossed_above(a, b, i):
    return i > 0 and None not in (a[i], b[i], a[i - 1], b[i - 1]) and a[i - 1] <= b[i - 1] and a[i] > b[i]


def simulate(candles, opens, warmup):
    line, average = obv(candles), vwma(candles, N)
    lagged = [None] * LAG + line[:-LAG]
    trades, position, pending = [], None, None
    for i, (_, _, _, close, _) in enumerate(candles):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and average[i] is not None and close < average[i]:
                pending = "exit"
            elif not position and crossed_above(line, lagged, i):
                pending = "entry"
    if position:
        trades.append((position[0], len(candles) - 1, position[1], candles[-1][3], "end"))
    return trades


def market(count=500, seed=11):
    rng = random.Random(seed)
    candles, opens, close = [], [], 100.0
    for i in range(count):
        drift = 0.5 if (i // 50) % 2 == 0 else -0.5
        o = close
        close = round(max(1.0, o + drift + rng.uniform(-2.0, 2.0)), 2)
        h = round(max(o, close) + rng.uniform(0.0, 1.5), 2)
        l = round(min(o, close) - rng.uniform(0.0, 1.5), 2)
        volume = 0 if i % 23 == 7 or 300 <= i < 312 else round(rng.uniform(10.0, 900.0), 1)
        candles.append((i, h, l, close, volume))
        opens.append(o)
    return candles, opens


def test_obv_crossing_its_lag_with_a_vwma_exit_matches_a_plain_simulation():
    candles, opens = market()
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {
                "obv": {"type": "Obv", "params": []},
                "vwma": {"type": "Vwma", "params": [N]},
            },
            "entry": {"cross_above": ["obv", {"prev": ["obv", LAG]}]},
            "exit": {"lt": [{"price": "close"}, "vwma"]},
            "sizing": {"type": "fixed_qty", "qty": 1},
        },
        "book_model": {"kind": "orderbook_walk"},
    }
    data = {
        "candles": [{"time": t, "open": o, "high": h, "low": l, "close": c, "volume": v}
                    for (t, h, l, c, v), o in zip(candles, opens)],
        "books": [{"bids": [[o - 0.5, 1000]], "asks": [[o + 0.5, 1000]]} for o in opens],
    }
    report = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": data})))["report"]
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"]) for t in report["trades"]]
    expected = simulate(candles, opens, warmup=N)
    assert len(expected) >= 4
    assert got == expected
