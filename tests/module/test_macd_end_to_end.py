"""The MACD family in a strategy: enter when the MACD line crosses above its signal line, leave
when it crosses below, reading the named outputs "macd.macd" and "macd.signal" of a type declared
by its alias "Macd"; the trades are checked against a plain simulation of the same rules."""

import json
import random
from fractions import Fraction

from prynox_impact import Impact

FAST, SLOW, SIGNAL = 12, 26, 9


def ema(xs, n):
    """Seeded with the mean of the first n present inputs (summed from -0.0), then
    alpha x + (1 - alpha) v with (1 - alpha) v rounded first and the rest fused."""
    alpha = 2.0 / (n + 1.0)
    out, seed, count, v = [], -0.0, 0, None
    for x in xs:
        if x is not None and v is None:
            seed, count = seed + x, count + 1
            v = seed / count if count == n else None
        elif x is not None:
            v = float(Fraction(alpha) * Fraction(x) + Fraction((1.0 - alpha) * v))
        out.append(None if x is None else v)
    return out


def crossed(a, b, i, above):
    if i == 0 or None in (a[i], b[i], a[i - 1], b[i - 1]):
        return False
    return a[i - 1] <= b[i - 1] and a[i] > b[i] if above else a[i - 1] >= b[i - 1] and a[i] < b[i]


def simulate(closes, opens, warmup):
    fast, slow = ema(closes, FAST), ema(closes, SLOW)
    line = [f - s if f is not None and s is not None else None for f, s in zip(fast, slow)]
    signal = ema(line, SIGNAL)
    line = [m if s is not None else None for m, s in zip(line, signal)]
    trades, position, pending = [], None, None
    for i in range(len(closes)):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and crossed(line, signal, i, above=False):
                pending = "exit"
            elif not position and crossed(line, signal, i, above=True):
                pending = "entry"
    if position:
        trades.append((position[0], len(closes) - 1, position[1], closes[-1], "end"))
    return trades


def test_macd_crossing_its_signal_matches_a_plain_simulation():
    rng = random.Random(5)
    closes, opens, close = [], [], 100.0
    for i in range(600):
        opens.append(close)
        close = round(max(1.0, close + (0.4 if (i // 60) % 2 == 0 else -0.4) + rng.uniform(-2.0, 2.0)), 2)
        closes.append(close)
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {"macd": {"type": "Macd", "params": [FAST, SLOW, SIGNAL]}},
            "entry": {"cross_above": ["macd.macd", "macd.signal"]},
            "exit": {"cross_below": ["macd.macd", "macd.signal"]},
            "sizing": {"type": "fixed_qty", "qty": 1},
        },
        "book_model": {"kind": "orderbook_walk"},
    }
    data = {
        "candles": [{"time": i, "open": o, "high": max(o, c) + 1, "low": min(o, c) - 1, "close": c, "volume": 10}
                    for i, (o, c) in enumerate(zip(opens, closes))],
        "books": [{"bids": [[o - 0.5, 1000]], "asks": [[o + 0.5, 1000]]} for o in opens],
    }
    report = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": data})))["report"]
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"]) for t in report["trades"]]
    expected = simulate(closes, opens, warmup=SLOW + SIGNAL - 1)
    assert len(expected) >= 8
    assert got == expected
