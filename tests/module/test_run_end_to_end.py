"""A moving-average crossover run through Impact.command, checked against a plain simulation."""

import json

from prynox_impact import Impact

CLOSES = [10, 11, 12, 11, 10, 9, 10, 12, 13, 12, 10, 9, 8, 9, 11, 13, 14, 12, 10, 11]


def sma(values, n, i):
    return sum(values[i - n + 1:i + 1]) / n if i >= n - 1 else None


def crossed(f, s, i, above):
    if i == 0 or None in (f[i], s[i], f[i - 1], s[i - 1]):
        return False
    if above:
        return f[i - 1] <= s[i - 1] and f[i] > s[i]
    return f[i - 1] >= s[i - 1] and f[i] < s[i]


def simulate(closes, opens, warmup=4):
    """Entries and exits at the next open through a one-level book: ask = open + 0.5, bid = open - 0.5."""
    n = len(closes)
    fast = [sma(closes, 2, i) for i in range(n)]
    slow = [sma(closes, 4, i) for i in range(n)]
    trades, position, pending = [], None, None
    for i in range(n):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and crossed(fast, slow, i, above=False):
                pending = "exit"
            elif not position and crossed(fast, slow, i, above=True):
                pending = "entry"
    if position:
        trades.append((position[0], n - 1, position[1], closes[-1], "end"))
    return trades


def test_crossover_trades_match_a_plain_simulation():
    opens = [CLOSES[0]] + CLOSES[:-1]
    candles = [{"time": i, "open": o, "high": max(o, c) + 1, "low": min(o, c) - 1, "close": c, "volume": 100}
               for i, (o, c) in enumerate(zip(opens, CLOSES))]
    books = [{"bids": [[o - 0.5, 1000]], "asks": [[o + 0.5, 1000]]} for o in opens]
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {"fast": {"type": "Sma", "params": [2]}, "slow": {"type": "Sma", "params": [4]}},
            "entry": {"cross_above": ["fast", "slow"]},
            "exit": {"cross_below": ["fast", "slow"]},
            "sizing": {"type": "fixed_qty", "qty": 1},
        },
        "book_model": {"kind": "orderbook_walk"},
    }
    h = Impact(json.dumps(spec))
    report = json.loads(h.command(json.dumps({"cmd": "run", "data": {"candles": candles, "books": books}})))["report"]
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"]) for t in report["trades"]]
    expected = simulate(CLOSES, opens)
    assert len(expected) >= 2
    assert got == expected
    assert all(t["qty"] == 1.0 for t in report["trades"])
    assert len(report["equity"]) == len(CLOSES)
