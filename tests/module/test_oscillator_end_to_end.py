"""Candle oscillators in a strategy: enter while the stochastic momentum index is above 0, the
ultimate oscillator above 50 and the choppiness index below 60; leave when the close falls below
the mid price. The trades are checked against a plain simulation of the same rules."""

import math

from plain_backtest import columns, fma, next_open_trades, random_walk, run, strategy, trades, true_range

SMI = (5, 3, 3)
UO = (3, 5, 7)
CHOP = 5
MID = 5


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


def simulate(candles, warmup):
    rows = columns(candles, "time", "high", "low", "close")
    s, u, ch, mid = smi(rows, *SMI), ultimate(rows, UO), choppiness(rows, CHOP), mid_price(rows, MID)
    return next_open_trades(candles, warmup,
                            lambda i: None not in (s[i], u[i], ch[i]) and s[i] > 0 and u[i] > 50 and ch[i] < 60,
                            lambda i, _: mid[i] is not None and candles[i]["close"] < mid[i])


def test_oscillator_entry_with_a_mid_price_exit_matches_a_plain_simulation():
    candles = random_walk(500, 11, 0.5, 50)
    report = run(strategy({"smi": {"type": "Smi", "params": list(SMI)},
                           "uo": {"type": "UltimateOscillator", "params": list(UO)},
                           "chop": {"type": "ChoppinessIndex", "params": [CHOP]},
                           "mid": {"type": "MidPrice", "params": [MID]}},
                          {"all": [{"gt": ["smi", 0]}, {"gt": ["uo", 50]}, {"lt": ["chop", 60]}]},
                          {"lt": [{"price": "close"}, "mid"]}), candles)
    warmup = max(SMI[0] + SMI[1] + SMI[2] - 2, max(UO) + 1, CHOP, MID)
    expected = simulate(candles, warmup)
    assert len(expected) >= 4
    assert trades(report) == expected
