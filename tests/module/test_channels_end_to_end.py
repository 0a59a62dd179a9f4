"""A Donchian breakout through Impact.command: enter when the close rises above the previous bar's
upper channel (read through "prev"), leave when it falls below the middle; the trades are checked
against a plain simulation of the same rules."""

from plain_backtest import next_open_trades, random_walk, run, strategy, trades

N = 10


def simulate(candles):
    def channel(i):
        window = candles[i - N + 1:i + 1]
        hh, ll = max(k["high"] for k in window), min(k["low"] for k in window)
        return hh, (hh + ll) * 0.5

    # The warm-up is the channel's period.
    return next_open_trades(candles, N, lambda i: candles[i]["close"] > channel(i - 1)[0],
                            lambda i, _: candles[i]["close"] < channel(i)[1])


def test_donchian_breakout_matches_a_plain_simulation():
    candles = random_walk(400, 11, 0.5, 50, wick=1.0)
    report = run(strategy({"dc": {"type": "Donchian", "params": [N]}},
                          {"gt": [{"price": "close"}, {"prev": ["dc.upper", 1]}]},
                          {"lt": [{"price": "close"}, "dc.middle"]}), candles)
    expected = simulate(candles)
    assert len(expected) >= 4
    assert trades(report) == expected
