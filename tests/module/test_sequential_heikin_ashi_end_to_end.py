"""A strategy on the DeMark sequential and Heikin-Ashi candles through Impact.command, checked
against a plain simulation of the same rules: enter when the buy setup count ("seq.setup") reaches
9 on this bar, leave when the Heikin-Ashi candle turns bearish ("ha.close" below "ha.open" after a
bar where it was not)."""

import random

from plain_backtest import candle, columns, next_open_trades, run, strategy, trades


def series(n=700, seed=23):
    """Falls and rises on a grid of quarters, so that buy setups complete and Heikin-Ashi turns."""
    rng, candles, x = random.Random(seed), [], 100.0
    for i in range(n):
        o, x = x, round((x + (-0.5 if (i // 20) % 3 == 0 else 0.3) + rng.uniform(-1.5, 1.5)) * 4) / 4
        h, l = max(o, x) + rng.choice([0, 0.25, 0.5]), min(o, x) - rng.choice([0, 0.25, 0.75])
        candles.append(candle(i, o, h, l, x))
    return candles


def simulate(candles, warmup=5):
    """Fills at the next open through the one-level book."""
    ohlc = columns(candles, "open", "high", "low", "close")
    setup, bearish, buy, sell, ha = [None] * len(candles), [], 0, 0, None
    for i, (o, h, l, c) in enumerate(ohlc):
        if i >= 4:  # the setup against the close 4 bars back
            buy = min(buy + 1, 9) if c < ohlc[i - 4][3] else 0
            sell = min(sell + 1, 9) if c > ohlc[i - 4][3] else 0
            setup[i] = buy if buy else -sell
        ha = ((ha[0] + ha[1]) * 0.5 if ha else (o + c) * 0.5, (((o + h) + l) + c) * 0.25)
        bearish.append(ha[1] < ha[0])
    return next_open_trades(candles, warmup, lambda i: setup[i] == 9 and setup[i - 1] != 9,
                            lambda i, _: bearish[i] and not bearish[i - 1])


def test_sequential_entry_heikin_ashi_exit_matches_a_plain_simulation():
    candles = series()
    report = run(strategy({"seq": {"type": "TdSequential", "params": [4, 9, 2, 13]},
                           "ha": {"type": "HeikinAshi", "params": []}},
                          {"all": [{"eq": ["seq.setup", 9]}, {"not": {"eq": [{"prev": ["seq.setup", 1]}, 9]}}]},
                          {"all": [{"lt": ["ha.close", "ha.open"]},
                                   {"ge": [{"prev": ["ha.close", 1]}, {"prev": ["ha.open", 1]}]}]}),
                 candles)
    expected = simulate(candles)
    assert len(expected) >= 4
    assert trades(report) == expected
