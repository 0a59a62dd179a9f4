"""Single-candle patterns and bar measures in a strategy: enter on a Hammer whose true range is
above 1, leave on a ShootingStar, a bearish ShortLine, a BalanceOfPower below -0.6 or after 8
bars; the trades are checked against a plain simulation of the same rules."""

import random

from plain_backtest import candle, next_open_trades, run, strategy, trades, true_range

HOLD = 8


def hammer_like(o, h, l, c, upper_first):
    """Both hammer shapes: the long shadow at least twice the body, the other at most the body."""
    if not h > l or c - o == 0:
        return False
    size = abs(c - o)
    up, down = h - max(o, c), min(o, c) - l
    long_, short = (up, down) if upper_first else (down, up)
    return long_ >= size + size and short <= size


def true_ranges(candles):
    out, prev = [], None
    for o, h, l, c in candles:
        out.append(h - l if prev is None else true_range(h, l, prev))
        prev = c
    return out


def short_lines(candles):
    """The range against the mean of the five ranges before it, the body at least half the range."""
    out, ranges = [], []
    for o, h, l, c in candles:
        r = h - l
        if len(ranges) < 5:
            ranges.append(r)
            out.append(None)
            continue
        total = 0.0
        for x in ranges:
            total += x
        mean = total / 5
        ranges = ranges[1:] + [r]
        out.append((1.0 if c - o > 0 else -1.0) if r < mean and abs(c - o) >= r * 0.5 else 0.0)
    return out


def simulate(candles, rows, warmup):
    hammer = [1.0 if hammer_like(*k, upper_first=False) else 0.0 for k in rows]
    star = [-1.0 if hammer_like(*k, upper_first=True) else 0.0 for k in rows]
    bop = [0.0 if h == l else (c - o) / (h - l) for o, h, l, c in rows]
    tr, short, reasons = true_ranges(rows), short_lines(rows), set()

    def leaves(i, entered):
        fired = [name for name, hit in (("star", star[i] == -1), ("short", short[i] == -1),
                                        ("bop", bop[i] < -0.6), ("hold", i - entered >= HOLD)) if hit]
        reasons.update(fired)
        return bool(fired)

    return next_open_trades(candles, warmup, lambda i: hammer[i] == 1 and tr[i] > 1.0, leaves), reasons


def market(count=600, seed=11):
    """Small bodies with long shadows on one side or the other, often enough to make hammers."""
    rng = random.Random(seed)
    candles, close = [], 100.0
    for i in range(count):
        o = close
        close = round(max(5.0, o + rng.uniform(-1.2, 1.2)), 2)
        wick = rng.choice([0.0, 0.1, 0.5, 1.5, 3.0])
        up, down = (wick, rng.uniform(0.0, 0.4)) if rng.random() < 0.5 else (rng.uniform(0.0, 0.4), wick)
        candles.append((o, round(max(o, close) + up, 2), round(min(o, close) - down, 2), close))
    return candles


def test_hammer_entries_with_pattern_and_measure_exits_match_a_plain_simulation():
    rows = market()
    candles = [candle(i, *k) for i, k in enumerate(rows)]
    report = run(strategy({"ham": {"type": "Hammer"}, "star": {"type": "ShootingStar"}, "short": {"type": "ShortLine"},
                           "bop": {"type": "BalanceOfPower"}, "tr": {"type": "TrueRange"}},
                          {"all": [{"eq": ["ham", 1]}, {"gt": ["tr", 1.0]}]},
                          {"any": [{"eq": ["star", -1]}, {"eq": ["short", -1]}, {"lt": ["bop", -0.6]},
                                   {"bars_since_entry": {"ge": HOLD}}]}), candles)
    # ShortLine reports 5 as its warm-up, the largest of the strategy's.
    expected, reasons = simulate(candles, rows, warmup=5)
    assert len(expected) >= 8
    assert reasons == {"star", "short", "bop", "hold"}, "every exit rule decides some trade"
    assert trades(report) == expected
