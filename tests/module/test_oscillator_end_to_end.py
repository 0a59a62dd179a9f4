"""Candle oscillators in a strategy: enter while the stochastic momentum index is above 0, the
ultimate oscillator above 50 and the choppiness index below 60; leave when the close falls below
the mid price. The trades are checked against a plain simulation of the same rules."""

import json
import math
import random
from fractions import Fraction

from prynox_impact import Impact

SMI = (5, 3, 3)
UO = (3, 5, 7)
CHOP = 5
MID = 5


def fma(a, b, c):
    return float(Fraction(a) * Fraction(b) + Fraction(c))


def true_range(h, l, pc):
    return max(h - l, abs(h - pc), abs(l - pc))


def ema(xs, n):
    """Seeded with the mean of the first n present inputs, then alpha x + (1 - alpha) v, fused."""
    alpha = 2.0 / (n + 1.0)
    out, seed, count, v = [], -0.0, 0, None
    for x in xs:
        if x is None:
            out.append(None)
        elif v is None:
            seed, count = seed + x, count + 1
            v = seed / count if count == n else None
            out.append(v)
        else:
            v = fma(alpha, x, (1.0 - alpha) * v)
            out.append(v)
    return out


def smi(candles, k, n1, n2):
    rel, rng = [], []
    for i, (_, h, l, c) in enumerate(candles):
        if i + 1 < k:
            rel.append(None)
            rng.append(None)
            continue
        hh = max(x[1] for x in candles[i + 1 - k:i + 1])
        ll = min(x[2] for x in candles[i + 1 - k:i + 1])
        rel.append(c - (hh + ll) * 0.5)
        rng.append(hh - ll)
    b, d = ema(ema(rel, n1), n2), ema(ema(rng, n1), n2)
    out, last = [], None
    for bi, di in zip(b, d):
        if bi is not None and di is not None and di > 0:
            last = (bi * 100.0) / (di * 0.5)
        out.append(last if bi is not None and di is not None else None)
    return out


def ultimate(candles, windows):
    """Running sums as the type keeps them: the new pair added, then the one leaving subtracted."""
    longest = max(windows)
    pairs, sums, prev, taken, out = [], [[0.0, 0.0] for _ in windows], None, 0, []
    for _, h, l, c in candles:
        if prev is None:
            prev = c
            out.append(None)
            continue
        tl, th = min(l, prev), max(h, prev)
        prev = c
        pairs.append((c - tl, th - tl))
        for s, w in zip(sums, windows):
            s[0] += pairs[-1][0]
            s[1] += pairs[-1][1]
            if len(pairs) > w:
                s[0] -= pairs[-1 - w][0]
                s[1] -= pairs[-1 - w][1]
        if len(pairs) > longest:
            pairs.pop(0)
        taken += 1
        if taken < longest:
            out.append(None)
            continue
        r = [0.5 if s[1] == 0 else s[0] / s[1] for s in sums]
        out.append(((4.0 * r[0] + 2.0 * r[1]) + r[2]) * 100.0 / 7.0)
    return out


def choppiness(candles, p):
    trs, total, prev, out = [], 0.0, None, []
    for i, (_, h, l, c) in enumerate(candles):
        tr = h - l if prev is None else true_range(h, l, prev)
        prev = c
        if len(trs) == p:
            total -= trs.pop(0)
        trs.append(tr)
        total += tr
        if len(trs) < p:
            out.append(None)
            continue
        window = candles[i + 1 - p:i + 1]
        rng = max(x[1] for x in window) - min(x[2] for x in window)
        out.append(100.0 if rng == 0 else (math.log10(total / rng) * 100.0) / math.log10(p))
    return out


def mid_price(candles, p):
    return [None if i + 1 < p else (max(x[1] for x in candles[i + 1 - p:i + 1]) +
                                    min(x[2] for x in candles[i + 1 - p:i + 1])) * 0.5
            for i in range(len(candles))]


def simulate(candles, opens, warmup):
    s, u, ch, mid = smi(candles, *SMI), ultimate(candles, UO), choppiness(candles, CHOP), mid_price(candles, MID)
    trades, position, pending = [], None, None
    for i, (_, _, _, close) in enumerate(candles):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and mid[i] is not None and close < mid[i]:
                pending = "exit"
            elif not position and None not in (s[i], u[i], ch[i]) and s[i] > 0 and u[i] > 50 and ch[i] < 60:
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
        candles.append((i, h, l, close))
        opens.append(o)
    return candles, opens


def test_oscillator_entry_with_a_mid_price_exit_matches_a_plain_simulation():
    candles, opens = market()
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {
                "smi": {"type": "Smi", "params": list(SMI)},
                "uo": {"type": "UltimateOscillator", "params": list(UO)},
                "chop": {"type": "ChoppinessIndex", "params": [CHOP]},
                "mid": {"type": "MidPrice", "params": [MID]},
            },
            "entry": {"all": [{"gt": ["smi", 0]}, {"gt": ["uo", 50]}, {"lt": ["chop", 60]}]},
            "exit": {"lt": [{"price": "close"}, "mid"]},
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
    warmup = max(SMI[0] + SMI[1] + SMI[2] - 2, max(UO) + 1, CHOP, MID)
    expected = simulate(candles, opens, warmup)
    assert len(expected) >= 4
    assert got == expected
