"""Two-candle patterns in a strategy: enter on a bullish Engulfing, leave on a bearish DojiStar or
after 10 bars; the trades are checked against a plain simulation of the same rules."""

import json
import random

from prynox_impact import Impact

HOLD = 10


def engulfing(prev, cur):
    po, _, _, pc = prev
    o, _, _, c = cur
    b, pb = c - o, pc - po
    if pb == 0 or not abs(b) > abs(pb):
        return 0.0
    if c >= po and o <= pc and b > 0 and pb < 0:
        return 1.0
    if pb > 0 and b < 0 and o >= pc and c <= po:
        return -1.0
    return 0.0


def doji_star(prev, cur):
    po, ph, pl, pc = prev
    o, h, l, c = cur
    r, pr, pb = h - l, ph - pl, pc - po
    if not (r > 0 and pr > 0 and abs(pb) >= 0.5 * pr and abs(c - o) <= 0.1 * r):
        return 0.0
    if max(o, c) < pc and pb < 0:
        return 1.0
    if pb > 0 and min(o, c) > pc:
        return -1.0
    return 0.0


def simulate(candles, warmup):
    """Signals from bar `warmup` on; orders fill at the next open across a spread of 1."""
    pairs = [None] + list(zip(candles, candles[1:]))
    engulf = [None] + [engulfing(p, k) for p, k in pairs[1:]]
    star = [None] + [doji_star(p, k) for p, k in pairs[1:]]
    trades, position, pending, reasons = [], None, None, set()
    for i, (o, _, _, c) in enumerate(candles):
        if pending == "entry":
            position = (i, o + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], o - 0.5, "signal"))
            position = None
        pending = None
        if i < warmup:
            continue
        if position:
            fired = [name for name, hit in (("star", star[i] == -1), ("hold", i - position[0] >= HOLD)) if hit]
            if fired:
                reasons.update(fired)
                pending = "exit"
        elif engulf[i] == 1:
            pending = "entry"
    if position:
        trades.append((position[0], len(candles) - 1, position[1], candles[-1][3], "end"))
    return trades, reasons


def market(count=800, seed=2):
    """Long bodies, small ones and dojis with gaps between them, so that both patterns are common."""
    rng = random.Random(seed)
    candles, close = [], 100.0
    for _ in range(count):
        o = round(max(5.0, close + rng.choice([0.0, rng.uniform(-0.8, 0.8)])), 2)
        kind = rng.random()
        if kind < 0.3:
            body = rng.uniform(-0.05, 0.05)
        elif kind < 0.6:
            body = rng.choice([-1, 1]) * rng.uniform(1.0, 3.0)
        else:
            body = rng.uniform(-1.0, 1.0)
        close = round(max(5.0, o + body), 2)
        up, down = rng.choice([0.0, 0.2, 0.6]), rng.choice([0.0, 0.2, 0.6])
        candles.append((o, round(max(o, close) + up, 2), round(min(o, close) - down, 2), close))
    return candles


def test_engulfing_entries_with_doji_star_and_holding_exits_match_a_plain_simulation():
    candles = market()
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {"engulf": {"type": "Engulfing"}, "star": {"type": "DojiStar"}},
            "entry": {"eq": ["engulf", 1]},
            "exit": {"any": [{"eq": ["star", -1]}, {"bars_since_entry": {"ge": HOLD}}]},
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
    # Both patterns report 2 as their warm-up.
    expected, reasons = simulate(candles, warmup=2)
    assert len(expected) >= 8
    assert reasons == {"star", "hold"}, "every exit rule decides some trade"
    assert got == expected
