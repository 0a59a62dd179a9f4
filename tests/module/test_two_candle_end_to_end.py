"""Two-candle patterns in a strategy: enter on a bullish Engulfing, leave on a bearish DojiStar or
after 10 bars; the trades are checked against a plain simulation of the same rules."""

import random

from plain_backtest import candle, next_open_trades, run, strategy, trades

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


def simulate(candles, rows, warmup):
    """Signals from bar `warmup` on; orders fill at the next open across a spread of 1."""
    pairs = [None] + list(zip(rows, rows[1:]))
    engulf = [None] + [engulfing(p, k) for p, k in pairs[1:]]
    star, reasons = [None] + [doji_star(p, k) for p, k in pairs[1:]], set()

    def leaves(i, entered):
        fired = [name for name, hit in (("star", star[i] == -1), ("hold", i - entered >= HOLD)) if hit]
        reasons.update(fired)
        return bool(fired)

    return next_open_trades(candles, warmup, lambda i: engulf[i] == 1, leaves), reasons


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
    rows = market()
    candles = [candle(i, *k) for i, k in enumerate(rows)]
    report = run(strategy({"engulf": {"type": "Engulfing"}, "star": {"type": "DojiStar"}}, {"eq": ["engulf", 1]},
                          {"any": [{"eq": ["star", -1]}, {"bars_since_entry": {"ge": HOLD}}]}), candles)
    # Both patterns report 2 as their warm-up.
    expected, reasons = simulate(candles, rows, warmup=2)
    assert len(expected) >= 8
    assert reasons == {"star", "hold"}, "every exit rule decides some trade"
    assert trades(report) == expected
