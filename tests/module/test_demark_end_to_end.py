"""A strategy on the DeMark setup count and on-balance volume run through Impact.command, checked
against a plain simulation of the same rules: enter when a buy setup completes (the count reaches 9
on this bar) and on-balance volume is above its value 5 bars before; leave once a sell setup
reaches 3."""

import random

import pytest

from plain_backtest import from_closes, next_open_trades, run, strategy, trades


def series(n=600, seed=17):
    """Falls and rises on a grid of quarters; rising bars trade more, so that the volume line can
    climb while a buy setup completes."""
    rng = random.Random(seed)
    closes, volumes, x = [], [], 100.0
    for i in range(n):
        drift = -0.6 if (i // 25) % 3 == 0 else 0.35
        last, x = x, round((x + drift + rng.uniform(-1.5, 1.5)) * 4) / 4
        closes.append(x)
        volumes.append(float(rng.randint(20, 60) if x > last else rng.randint(1, 15)))
    return closes, volumes


def td_setup(closes, k=4, m=9):
    out, buy, sell = [None] * len(closes), 0, 0
    for i in range(k, len(closes)):
        ref = closes[i - k]
        buy = min(buy + 1, m) if closes[i] < ref else 0
        sell = min(sell + 1, m) if closes[i] > ref else 0
        out[i] = buy if buy else -sell
    return out


def obv(closes, volumes):
    out, total = [], 0.0
    for i, (c, v) in enumerate(zip(closes, volumes)):
        if i > 0 and c > closes[i - 1]:
            total = v + total
        elif i > 0 and c < closes[i - 1]:
            total = total - v
        out.append(total)
    return out


def simulate(candles, closes, volumes, with_obv, warmup=5):
    setup, volume_line = td_setup(closes), obv(closes, volumes)

    def enters(i):
        completes = setup[i] == 9 and not (i > 0 and setup[i - 1] == 9)
        return completes and (not with_obv or (i >= 5 and volume_line[i] > volume_line[i - 5]))

    return next_open_trades(candles, warmup, enters, lambda i, _: setup[i] is not None and setup[i] <= -3)


@pytest.mark.parametrize("with_obv", [False, True])
def test_setup_and_volume_line_trades_match_a_plain_simulation(with_obv):
    closes, volumes = series()
    candles = from_closes(closes, 0.5, 0.5, volumes)
    entry = [{"eq": ["setup", 9]}, {"not": {"eq": [{"prev": ["setup", 1]}, 9]}}]
    indicators = {"setup": {"type": "TdSetup", "params": [4, 9]}}
    if with_obv:
        entry.append({"gt": ["obv", {"prev": ["obv", 5]}]})
        indicators["obv"] = {"type": "Obv", "params": []}
    report = run(strategy(indicators, {"all": entry}, {"le": ["setup", -3]}), candles)
    expected = simulate(candles, closes, volumes, with_obv)
    assert len(expected) >= 3
    assert trades(report) == expected
