"""A Donchian breakout through Impact.command: enter when the close rises above the previous bar's
upper channel (read through "prev"), leave when it falls below the middle; the trades are checked
against a plain simulation of the same rules."""

import json
import random

from prynox_impact import Impact

N = 10


def simulate(candles, opens):
    def channel(i):
        window = candles[i - N + 1:i + 1]
        hh, ll = max(h for _, h, _, _ in window), min(l for _, _, l, _ in window)
        return hh, (hh + ll) * 0.5

    trades, position, pending = [], None, None
    for i, (_, _, _, close) in enumerate(candles):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit":
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i >= N:  # the warm-up: the channel's period
            if position and close < channel(i)[1]:
                pending = "exit"
            elif not position and close > channel(i - 1)[0]:
                pending = "entry"
    if position:
        trades.append((position[0], len(candles) - 1, position[1], candles[-1][3], "end"))
    return trades


def test_donchian_breakout_matches_a_plain_simulation():
    rng, candles, opens, close = random.Random(11), [], [], 100.0
    for i in range(400):
        o, close = close, round(max(1.0, close + (0.5 if (i // 50) % 2 == 0 else -0.5) + rng.uniform(-2, 2)), 2)
        candles.append((i, round(max(o, close) + rng.uniform(0, 1), 2), round(min(o, close) - rng.uniform(0, 1), 2), close))
        opens.append(o)
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {"dc": {"type": "Donchian", "params": [N]}},
            "entry": {"gt": [{"price": "close"}, {"prev": ["dc.upper", 1]}]},
            "exit": {"lt": [{"price": "close"}, "dc.middle"]},
            "sizing": {"type": "fixed_qty", "qty": 1},
        },
        "book_model": {"kind": "orderbook_walk"},
    }
    data = {
        "candles": [{"time": t, "open": o, "high": h, "low": l, "close": c, "volume": 100}
                    for (t, h, l, c), o in zip(candles, opens)],
        "books": [{"bids": [[o - 0.5, 1000]], "asks": [[o + 0.5, 1000]]} for o in opens],
    }
    report = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": data})))["report"]
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"]) for t in report["trades"]]
    expected = simulate(candles, opens)
    assert len(expected) >= 4
    assert got == expected
