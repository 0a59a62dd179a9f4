"""Trailing stops in rules, run through Impact.command and checked against plain simulations of
the indicators and rules over the same candles: a breakout over the previous bar's Donchian high,
or a SuperTrend turning up, exited when the SuperTrend turns down or the close falls under its
line (the named outputs "dc.stop_short" and "st.direction" and the bare id "st"); and a Bollinger
breakout over "bb.upper" exited when "st.direction" turns to -1."""

import random

from plain_backtest import candle, crossed, fma, next_open_trades, run, strategy, trades, true_range
from test_bands_end_to_end import bollinger

CLOSE = {"price": "close"}


def quarter_walk(n=500, seed=11):
    """A walk on a grid of quarters that turns every 60 bars."""
    rng = random.Random(seed)
    out, x = [], 100.0
    for i in range(n):
        o = x
        x = round((x + (0.4 if (i // 60) % 2 else -0.4) + rng.uniform(-2.0, 2.0)) * 4) / 4
        h = max(o, x) + round(rng.uniform(0, 1.5) * 4) / 4
        lo = min(o, x) - round(rng.uniform(0, 1.5) * 4) / 4
        out.append(candle(i, o, h, lo, x, 10.0))
    return out


def atr(k, n):
    out, seed, a = [None] * len(k), 0.0, 0.0
    for t, c in enumerate(k):
        tr = c["high"] - c["low"] if t == 0 else true_range(c["high"], c["low"], k[t - 1]["close"])
        if t + 1 < n:
            seed += tr
            continue
        a = (seed + tr) / n if t + 1 == n else fma(a, n - 1.0, tr) * (1.0 / n)
        out[t] = a
    return out


def super_trend(k, n, m):
    """(line, direction) per bar."""
    av, out, band = atr(k, n), [None] * len(k), None
    for t, c in enumerate(k):
        if av[t] is None:
            continue
        mid = (c["high"] + c["low"]) * 0.5
        up, lo = mid + m * av[t], mid - m * av[t]
        if band is None:
            u, low, d = up, lo, 1.0
        else:
            pu, pl, pc, pd = band
            u = up if up < pu or pc > pu else pu
            low = lo if lo > pl or pc < pl else pl
            d = (1.0 if c["close"] >= low else -1.0) if pd >= 0 else (-1.0 if c["close"] <= u else 1.0)
        band = (u, low, c["close"], d)
        out[t] = (low if d > 0 else u, d)
    return out


def turned(st, i, to):
    return i >= 1 and None not in (st[i], st[i - 1]) and st[i - 1][1] * to <= 0 < st[i][1] * to


def test_donchian_breakout_with_super_trend_exit_matches_a_plain_simulation():
    k = quarter_walk()
    st = super_trend(k, 10, 3.0)
    hh = [max(c["high"] for c in k[t - 19:t + 1]) if t >= 19 else None for t in range(len(k))]
    strat = strategy({"st": {"type": "SuperTrend", "params": [10, 3]}, "dc": {"type": "DonchianStop", "params": [20]}},
                     {"any": [{"cross_above": [CLOSE, {"prev": ["dc.stop_short", 1]}]},
                              {"cross_above": ["st.direction", 0]}]},
                     {"any": [{"cross_below": ["st.direction", 0]}, {"lt": [CLOSE, "st"]}]})

    def breakout(i):
        return i >= 2 and None not in (hh[i - 1], hh[i - 2]) and k[i - 1]["close"] <= hh[i - 2] and k[i]["close"] > hh[i - 1]

    expected = next_open_trades(k, 20, lambda i: breakout(i) or turned(st, i, 1),
                                lambda i, _: turned(st, i, -1) or (st[i] is not None and k[i]["close"] < st[i][0]))
    assert sum(1 for i in range(len(k)) if turned(st, i, 1)) >= 3 and sum(1 for i in range(20, len(k)) if breakout(i)) >= 3
    assert len(expected) >= 5
    assert trades(run(strat, k)) == expected


def test_bollinger_breakout_with_super_trend_exit_matches_a_plain_simulation():
    k = quarter_walk(600, seed=5)
    closes = [c["close"] for c in k]
    upper = [b and b[0] for b in bollinger(closes, 20, 2.0)]
    st = super_trend(k, 10, 3.0)
    strat = strategy({"bb": {"type": "BollingerBands", "params": [20, 2]},
                      "st": {"type": "SuperTrend", "params": [10, 3]}},
                     {"cross_above": [CLOSE, "bb.upper"]},
                     {"eq": ["st.direction", -1]})
    expected = next_open_trades(k, 20, lambda i: crossed(closes, upper, i, above=True),
                                lambda i, _: st[i] is not None and st[i][1] == -1.0)
    assert len(expected) >= 4
    assert trades(run(strat, k)) == expected
