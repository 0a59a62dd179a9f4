"""A spread strategy over candles and a reference series, run through Impact.command: buy when the
spread close - reference falls below its lower Bollinger band while the Kalman hedge ratio of the
close on the reference is above 1.5, sell when the spread is back above 60% of its band. The trades
are checked against a plain simulation of both indicators and the rules."""

import math

from plain_backtest import candle, from_closes, next_open_trades, run, shifted_sums, strategy, trades

N_BARS = 160
PERIOD, NUM_STD = 10, 1.5
DELTA, OBSERVATION_VAR = 0.01, 1.0


def series():
    refs, closes = [], []
    for i in range(N_BARS):
        r = 50 + 5 * math.sin(0.4 * i) + (i % 7) * 0.25
        gap = 3 * math.sin(0.9 * i) + (4 if i % 23 == 5 else 0) - (5 if i % 17 == 9 else 0)
        refs.append(r)
        closes.append(round(2 * r + gap, 2))
    return closes, refs


def spread_bands(spreads, n, k):
    """percent_b over the window, with the sums taken about a shift point that moves to the
    window mean every n spreads, as the indicator keeps them."""
    out = []
    for window, anchor, s1, s2 in shifted_sums(spreads, n):
        s = window[-1]
        if len(window) < n:
            out.append(None)
            continue
        if all(v == s for v in window):
            out.append(0.5)
            continue
        a = s1 / n
        middle = anchor + a
        var = s2 / n - a * a
        w = math.sqrt(var if var > 0 else 0.0) * k
        upper, lower = middle + w, middle - w
        out.append(0.5 if w == 0 or upper - lower == 0 else (s - lower) / (upper - lower))
    return out


def kalman_hedge(closes, refs, delta, r):
    q = delta / (1 - delta)
    hedge = intercept = 0.0
    p00 = p01 = p10 = p11 = 0.0
    out = []
    for i, (y, x) in enumerate(zip(closes, refs)):
        if i:
            p00, p11 = p00 + q, p11 + q
        s = r + p00 * x * x + (p01 + p10) * x + p11
        k0, k1 = (p00 * x + p01) / s, (p10 * x + p11) / s
        e = y - (hedge * x + intercept)
        hedge, intercept = hedge + k0 * e, intercept + k1 * e
        g0, g1 = x * p00 + p10, x * p01 + p11
        p00, p01, p10, p11 = p00 - k0 * g0, p01 - k0 * g1, p10 - k1 * g0, p11 - k1 * g1
        out.append(hedge)
    return out


def simulate(candles, closes, refs, warmup=PERIOD):
    pb = spread_bands([c - r for c, r in zip(closes, refs)], PERIOD, NUM_STD)
    hedge = kalman_hedge(closes, refs, DELTA, OBSERVATION_VAR)
    return next_open_trades(candles, warmup, lambda i: pb[i] < 0.0 and hedge[i] > 1.5, lambda i, _: pb[i] > 0.6)


def test_spread_strategy_trades_match_a_plain_simulation():
    closes, refs = series()
    candles = from_closes(closes)
    report = run(strategy({"sbb": {"type": "SpreadBollingerBands", "params": [PERIOD, NUM_STD]},
                           "kal": {"type": "KalmanHedgeRatio", "params": [DELTA, OBSERVATION_VAR]}},
                          {"all": [{"lt": ["sbb.percent_b", 0.0]}, {"gt": ["kal.hedge_ratio", 1.5]}]},
                          {"gt": ["sbb.percent_b", 0.6]}),
                 candles, reference=[candle(i, r, r + 1, r - 1, r) for i, r in enumerate(refs)])
    expected = simulate(candles, closes, refs)
    assert len(expected) >= 3
    assert trades(report) == expected
