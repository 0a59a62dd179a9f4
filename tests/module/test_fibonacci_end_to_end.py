"""A strategy on Fibonacci levels over swings runs through Impact.command: enter above the 61.8 %
retracement on a time zone, leave below the middle fan line or more than 2 bars before the next zone; checked against a
plain simulation of the swings, the levels and the rules over the same candles."""

from plain_backtest import next_open_trades, run, strategy, trades
from test_demark_profile_end_to_end import candles

FIB = (1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 377, 610)


def swings(k):
    """The pivots (price, bar) confirmed after each bar: a 5 % reversal from the running extreme."""
    out, piv, side, ext, at = [], [], 0, 0.0, 0
    for i, c in enumerate(k):
        if side == 0:
            side, ext, at = 1, c["high"], i
        elif side > 0 and c["high"] > ext:
            ext, at = c["high"], i
        elif side > 0 and c["low"] <= ext * (1.0 - 0.05):
            piv, side, ext, at = piv + [(ext, at)], -1, c["low"], i
        elif side < 0 and c["low"] < ext:
            ext, at = c["low"], i
        elif side < 0 and c["high"] >= ext * (1.0 + 0.05):
            piv, side, ext, at = piv + [(ext, at)], 1, c["high"], i
        out.append(piv)
    return out


def test_fibonacci_level_trades_match_a_plain_simulation():
    k = candles(seed=11)
    piv = swings(k)
    two = [p[-2:] if len(p) >= 2 else None for p in piv]
    l618 = [None if s is None else s[1][0] + 0.618 * (s[0][0] - s[1][0]) for s in two]
    fan = [None if s is None else s[0][0] + 0.5 * (s[1][0] - s[0][0]) * ((i - s[0][1]) / (s[1][1] - s[0][1]))
           for i, s in enumerate(two)]
    since = [i - p[-1][1] if p else None for i, p in enumerate(piv)]
    on = [e is not None and e in FIB for e in since]
    to_next = [None if e is None else min(f for f in FIB if f > e) - e for e in since]
    got = trades(run(strategy({"fib": {"type": "FibRetracement"}, "fan": {"type": "FibFan"},
                               "zones": {"type": "FibTimeZones"}},
                              {"all": [{"gt": [{"price": "close"}, "fib.level_618"]}, {"eq": ["zones.on_zone", 1]}]},
                              {"any": [{"lt": [{"price": "close"}, "fan.fan_500"]}, {"gt": ["zones.bars_to_next", 2]}]}),
                     k))
    fired = set()

    def leaves(i, _):
        hits = {name for name, hit in (("fan", fan[i] is not None and k[i]["close"] < fan[i]),
                                       ("zone", to_next[i] is not None and to_next[i] > 2)) if hit}
        fired.update(hits)
        return bool(hits)

    # The largest reported warm-up is 2; values wait for the pivots.
    expected = next_open_trades(k, 2, lambda i: l618[i] is not None and k[i]["close"] > l618[i] and on[i], leaves)
    assert len(expected) >= 5
    assert fired == {"fan", "zone"}, "every exit rule decides some trade"
    assert got == expected
