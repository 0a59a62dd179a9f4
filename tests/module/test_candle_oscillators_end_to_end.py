"""Candle oscillators in a strategy: enter when the CCI is below -100 and the close lies in the
lower fifth of its projection band, leave when the CCI rises above 100 or the close leaves the
band's top; the trades are checked against a plain simulation of the same rules."""

import json
import random

from prynox_impact import Impact

P = 14
Q = 10


def cci(candles, p):
    """The running sum of typical prices (the leaving one out, the new one in), summed afresh from
    the window on every p-th candle; p equal typical prices give 0."""
    tp = [((h + l) + c) / 3.0 for _, h, l, c in candles]
    out, total = [], 0.0
    for t, x in enumerate(tp):
        if t >= p:
            total -= tp[t - p]
        total += x
        if (t + 1) % p == 0:
            total = 0.0
            for v in tp[t + 1 - p:t + 1]:
                total += v
        if t + 1 < p:
            out.append(None)
            continue
        window = tp[t + 1 - p:t + 1]
        if all(v == x for v in window):
            out.append(0.0)
            continue
        mean = total / p
        dev = 0.0
        for v in window:
            dev += abs(v - mean)
        md = dev / p
        out.append(0.0 if md == 0.0 else (x - mean) / (md * 0.015))
    return out


def slope(values):
    n = float(len(values))
    total = 0.0
    for v in values:
        total += v
    m = total / n
    s1 = s2 = 0.0
    for i, v in enumerate(values):
        s1 += v - m
        s2 += float(i) * (v - m)
    sx = (n * (n - 1.0)) / 2.0
    sx2 = (((n - 1.0) * n) * (2.0 * n - 1.0)) / 6.0
    return (n * s2 - s1 * sx) / (sx2 * n - sx * sx)


def projection_oscillator(candles, p):
    out = []
    for t in range(len(candles)):
        if t + 1 < p:
            out.append(None)
            continue
        window = candles[t + 1 - p:t + 1]
        highs, lows = [h for _, h, _, _ in window], [l for _, _, l, _ in window]
        sh, sl = slope(highs), slope(lows)
        upper = max(sh * float(p - 1 - i) + h for i, h in enumerate(highs))
        lower = min(sl * float(p - 1 - i) + l for i, l in enumerate(lows))
        width = upper - lower
        out.append(50.0 if width == 0.0 else ((candles[t][3] - lower) * 100.0) / width)
    return out


def simulate(candles, opens, warmup):
    c, po = cci(candles, P), projection_oscillator(candles, Q)
    trades, position, pending = [], None, None
    for i in range(len(candles)):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup and None not in (c[i], po[i]):
            if position and (c[i] > 100.0 or po[i] > 100.0):
                pending = "exit"
            elif not position and c[i] < -100.0 and po[i] < 20.0:
                pending = "entry"
    if position:
        trades.append((position[0], len(candles) - 1, position[1], candles[-1][3], "end"))
    return trades


def market(count=600, seed=11):
    """A walk that turns every 30 bars, with a flat stretch (equal candles) in the middle."""
    rng = random.Random(seed)
    candles, opens, close = [], [], 100.0
    for i in range(count):
        o = close
        if 300 <= i < 330:
            candles.append((i, o, o, o))
            opens.append(o)
            continue
        drift = 0.5 if (i // 30) % 2 == 0 else -0.5
        close = round(max(1.0, o + drift + rng.uniform(-2.0, 2.0)), 2)
        h = round(max(o, close) + rng.uniform(0.0, 1.5), 2)
        l = round(min(o, close) - rng.uniform(0.0, 1.5), 2)
        candles.append((i, h, l, close))
        opens.append(o)
    return candles, opens


def test_cci_and_projection_entries_match_a_plain_simulation():
    candles, opens = market()
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {
                "cci": {"type": "Cci", "params": [P]},
                "proj": {"type": "ProjectionOscillator", "params": [Q]},
            },
            "entry": {"all": [{"lt": ["cci", -100]}, {"lt": ["proj", 20]}]},
            "exit": {"any": [{"gt": ["cci", 100]}, {"gt": ["proj", 100]}]},
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
    expected = simulate(candles, opens, warmup=P)
    assert len(expected) >= 4
    assert got == expected
