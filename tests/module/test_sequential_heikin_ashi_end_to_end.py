"""A strategy on the DeMark sequential and Heikin-Ashi candles through Impact.command, checked
against a plain simulation of the same rules: enter when the buy setup count ("seq.setup") reaches
9 on this bar, leave when the Heikin-Ashi candle turns bearish ("ha.close" below "ha.open" after a
bar where it was not)."""

import json
import random

from prynox_impact import Impact


def series(n=700, seed=23):
    """Falls and rises on a grid of quarters, so that buy setups complete and Heikin-Ashi turns."""
    rng, candles, x = random.Random(seed), [], 100.0
    for i in range(n):
        o, x = x, round((x + (-0.5 if (i // 20) % 3 == 0 else 0.3) + rng.uniform(-1.5, 1.5)) * 4) / 4
        candles.append((o, max(o, x) + rng.choice([0, 0.25, 0.5]), min(o, x) - rng.choice([0, 0.25, 0.75]), x))
    return candles


def simulate(candles, warmup=5):
    """Fills at the next open through a one-level book: ask = open + 0.5, bid = open - 0.5."""
    setup, bearish, buy, sell, ha = [None] * len(candles), [], 0, 0, None
    for i, (o, h, l, c) in enumerate(candles):
        if i >= 4:  # the setup against the close 4 bars back
            buy = min(buy + 1, 9) if c < candles[i - 4][3] else 0
            sell = min(sell + 1, 9) if c > candles[i - 4][3] else 0
            setup[i] = buy if buy else -sell
        ha = ((ha[0] + ha[1]) * 0.5 if ha else (o + c) * 0.5, (((o + h) + l) + c) * 0.25)
        bearish.append(ha[1] < ha[0])
    trades, position, pending = [], None, None
    for i, (o, _, _, c) in enumerate(candles):
        if pending == "entry":
            position = (i, o + 0.5)
        elif pending == "exit":
            trades.append((position[0], i, position[1], o - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and bearish[i] and not bearish[i - 1]:
                pending = "exit"
            elif not position and setup[i] == 9 and setup[i - 1] != 9:
                pending = "entry"
    if position:
        trades.append((position[0], len(candles) - 1, position[1], candles[-1][3], "end"))
    return trades


def test_sequential_entry_heikin_ashi_exit_matches_a_plain_simulation():
    candles = series()
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {"seq": {"type": "TdSequential", "params": [4, 9, 2, 13]},
                           "ha": {"type": "HeikinAshi", "params": []}},
            "entry": {"all": [{"eq": ["seq.setup", 9]}, {"not": {"eq": [{"prev": ["seq.setup", 1]}, 9]}}]},
            "exit": {"all": [{"lt": ["ha.close", "ha.open"]},
                             {"ge": [{"prev": ["ha.close", 1]}, {"prev": ["ha.open", 1]}]}]},
            "sizing": {"type": "fixed_qty", "qty": 1},
        },
        "book_model": {"kind": "orderbook_walk"},
    }
    data = {
        "candles": [{"time": i, "open": o, "high": h, "low": l, "close": c, "volume": 100}
                    for i, (o, h, l, c) in enumerate(candles)],
        "books": [{"bids": [[o - 0.5, 1000]], "asks": [[o + 0.5, 1000]]} for o, _, _, _ in candles],
    }
    report = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": data})))["report"]
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"]) for t in report["trades"]]
    expected = simulate(candles)
    assert len(expected) >= 4
    assert got == expected
