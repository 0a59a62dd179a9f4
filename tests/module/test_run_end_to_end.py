"""A moving-average crossover run through Impact.command, checked against a plain simulation."""

from plain_backtest import crossed, from_closes, next_open_trades, run, strategy, trades

CLOSES = [10, 11, 12, 11, 10, 9, 10, 12, 13, 12, 10, 9, 8, 9, 11, 13, 14, 12, 10, 11]


def sma(values, n, i):
    return sum(values[i - n + 1:i + 1]) / n if i >= n - 1 else None


def simulate(candles, warmup=4):
    n = len(CLOSES)
    fast = [sma(CLOSES, 2, i) for i in range(n)]
    slow = [sma(CLOSES, 4, i) for i in range(n)]
    return next_open_trades(candles, warmup, lambda i: crossed(fast, slow, i, above=True),
                            lambda i, _: crossed(fast, slow, i, above=False))


def test_crossover_trades_match_a_plain_simulation():
    candles = from_closes(CLOSES)
    report = run(strategy({"fast": {"type": "Sma", "params": [2]}, "slow": {"type": "Sma", "params": [4]}},
                          {"cross_above": ["fast", "slow"]}, {"cross_below": ["fast", "slow"]}), candles)
    expected = simulate(candles)
    assert len(expected) >= 2
    assert trades(report) == expected
    assert all(t["qty"] == 1.0 for t in report["trades"])
    assert len(report["equity"]) == len(CLOSES)
