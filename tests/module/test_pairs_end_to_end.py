"""A pairs strategy on the spread's z-score against a reference series, run through
Impact.command and checked against a plain simulation: short when PairSpreadZScore is above 2,
cover when it falls below 0."""

import math
import random

from plain_backtest import from_closes, next_open_trades, run, strategy, trades

BETA_PERIOD, Z_PERIOD = 20, 15


def series(n=320, seed=7):
    """A reference walk and a close tied to it through a mean-reverting log spread with a few
    shocks; prices on a grid of cents."""
    rng = random.Random(seed)
    refs, closes, spread, r = [], [], 0.0, 50.0
    for i in range(n):
        r = max(5.0, r + rng.uniform(-0.6, 0.6))
        spread = 0.85 * spread + rng.gauss(0.0, 0.004) + (0.05 if i % 47 == 30 else 0.0)
        refs.append(round(r, 2))
        closes.append(round(math.exp(1.3 * math.log(r) + 0.5 + spread), 2))
    return closes, refs


def z_scores(closes, refs):
    """The z-score of the log spread: beta of ln close on ln reference over the last BETA_PERIOD
    pairs (population moments), the spread ln close - beta ln reference, then its population
    z-score over the last Z_PERIOD spreads."""
    logs, spreads, out = [], [], []
    for c, r in zip(closes, refs):
        logs.append((math.log(r), math.log(c)))
        z = None
        if len(logs) >= BETA_PERIOD:
            w = logs[-BETA_PERIOD:]
            mr = sum(p[0] for p in w) / BETA_PERIOD
            mc = sum(p[1] for p in w) / BETA_PERIOD
            var = sum((p[0] - mr) ** 2 for p in w) / BETA_PERIOD
            cov = sum((p[0] - mr) * (p[1] - mc) for p in w) / BETA_PERIOD
            beta = cov / var if var > 0 else 0.0
            spreads.append(logs[-1][1] - beta * logs[-1][0])
            if len(spreads) >= Z_PERIOD:
                s = spreads[-Z_PERIOD:]
                m = sum(s) / Z_PERIOD
                v = sum((x - m) ** 2 for x in s) / Z_PERIOD
                z = 0.0 if v == 0 else (spreads[-1] - m) / math.sqrt(v)
        out.append(z)
    return out


def simulate(candles, z, warmup):
    """Short entries at the next open into the bid (open - 0.5), covers at the next open from
    the ask (open + 0.5)."""
    return next_open_trades(candles, warmup, lambda i: z[i] is not None and z[i] > 2,
                            lambda i, _: z[i] is not None and z[i] < 0,
                            lambda i: candles[i]["open"] - 0.5, lambda i: candles[i]["open"] + 0.5)


def test_pairs_trades_on_the_spread_z_score_match_a_plain_simulation():
    closes, refs = series()
    candles = from_closes(closes)
    # Short only: the long rules never hold.
    report = run(strategy({"z": {"type": "PairSpreadZScore", "params": [BETA_PERIOD, Z_PERIOD]}},
                          {"gt": [0, 1]}, {"gt": [0, 1]}, short_entry={"gt": ["z", 2]}, short_exit={"lt": ["z", 0]}),
                 candles, reference=from_closes(refs))

    z = z_scores(closes, refs)
    warmup = BETA_PERIOD + Z_PERIOD - 1
    assert z.index(next(v for v in z if v is not None)) == warmup - 1
    # The thresholds are not within rounding of any z-score, so the two computations agree on
    # every decision.
    assert min(min(abs(v - 2), abs(v)) for v in z if v is not None) > 1e-9
    expected = simulate(candles, z, warmup)
    assert len(expected) >= 3

    got = trades(report)
    assert [g[:2] + g[4:] for g in got] == [e[:2] + e[4:] for e in expected]
    for g, e in zip(got, expected):
        assert abs(g[2] - e[2]) < 1e-8 and abs(g[3] - e[3]) < 1e-8
    # Each trade is a short of one unit: it gains when the price falls.
    for t, e in zip(report["trades"], expected):
        assert abs(t["qty"]) == 1.0
        assert abs(t["pnl"] - (e[2] - e[3])) < 1e-6
