"""Patterns over three and four candles in a strategy: enter on three white soldiers, leave on
three black crows, a tower top, a three-line strike or after 10 bars; the trades are checked
against a plain simulation of the same rules."""

import random

from plain_backtest import candle, next_open_trades, run, strategy, trades

HOLD = 10


def soldiers_or_crows(k1, k2, k3):
    (o1, _, _, c1), (o2, _, _, c2), (o3, _, _, c3) = k1, k2, k3
    if c1 > o1 and c2 > o2 and c3 > o3 and c1 < c2 < c3 and o1 <= o2 <= c1 and o2 <= o3 <= c2:
        return 1.0
    if c1 < o1 and c2 < o2 and c3 < o3 and c1 > c2 > c3 and c1 <= o2 <= o1 and c2 <= o3 <= o2:
        return -1.0
    return 0.0


def tower(k1, k2, k3):
    """Long outer bodies (half their ranges or more), a small middle one (0.3 or less, or no
    range); the shares are quotients."""
    def share(o, h, l, c):
        return abs(c - o) / (h - l)
    r1, r2, r3 = (k[1] - k[2] for k in (k1, k2, k3))
    if not (r3 > 0 and share(*k3) >= 0.5 and r1 > 0 and share(*k1) >= 0.5 and (r2 == 0 or share(*k2) <= 0.3)):
        return 0.0
    b1, b3 = k1[3] - k1[0], k3[3] - k3[0]
    return 1.0 if b1 < 0 < b3 else -1.0 if b3 < 0 < b1 else 0.0


def strike(k1, k2, k3, k4):
    line, (o1, c1), (c3, (o4, c4)) = soldiers_or_crows(k1, k2, k3), (k1[0], k1[3]), (k3[3], (k4[0], k4[3]))
    if line == 1.0 and c4 < o1 and c4 < o4 and o4 > c3:
        return 1.0
    if line == -1.0 and o4 < c3 and c4 > o1 and c4 > o4:
        return -1.0
    return 0.0


def fill(price):
    """A book price as the engine reports it: rounded half away from zero to 1e-8."""
    q = price / 1e-8
    t = float(int(q))
    return (t + (q - t >= 0.5)) / 1e8


def simulate(candles, rows, warmup):
    n = len(rows)
    sold = [None, None] + [soldiers_or_crows(*rows[i - 2:i + 1]) for i in range(2, n)]
    top = [None, None] + [tower(*rows[i - 2:i + 1]) for i in range(2, n)]
    hit = [None, None, None] + [strike(*rows[i - 3:i + 1]) for i in range(3, n)]
    reasons = set()

    def leaves(i, entered):
        fired = [name for name, yes in (("crows", sold[i] == -1), ("tower", top[i] == -1),
                                        ("strike", hit[i] == 1), ("hold", i - entered >= HOLD)) if yes]
        reasons.update(fired)
        return bool(fired)

    return next_open_trades(candles, warmup, lambda i: sold[i] == 1, leaves, lambda i: fill(rows[i][0] + 0.5),
                            lambda i: fill(rows[i][0] - 0.5)), reasons


def market(count=1500, seed=5):
    """Runs of candles of one colour, mostly opening at the last close, with small and long
    bodies, now and then a gap and a long candle against the run."""
    rng = random.Random(seed)
    candles, close, run = [], 100.0, 1.0
    for _ in range(count):
        if rng.random() < 0.3:
            run = -run
        o = close if rng.random() < 0.7 else round(close + rng.uniform(-0.6, 0.6), 2)
        kind = rng.random()
        if kind < 0.1:  # a long candle against the run, opening beyond the last close
            o = round(close + run * rng.uniform(0.05, 0.5), 2)
            move = -run * rng.uniform(3.0, 7.0)
        elif kind < 0.25:
            move = rng.uniform(-0.1, 0.1)
        else:
            move = run * rng.uniform(0.2, 2.0)
        close = round(max(5.0, o + move), 2)
        up, down = rng.choice([0.0, 0.1, 0.3, 1.0]), rng.choice([0.0, 0.1, 0.3, 1.0])
        candles.append((o, round(max(o, close) + up, 2), round(min(o, close) - down, 2), close))
    return candles


def test_soldier_entries_with_crows_tower_and_strike_exits_match_a_plain_simulation():
    rows = market()
    candles = [candle(i, *k) for i, k in enumerate(rows)]
    report = run(strategy({"sold": {"type": "ThreeSoldiersOrCrows"}, "tower": {"type": "TowerTopBottom"},
                           "strike": {"type": "ThreeLineStrike"}}, {"eq": ["sold", 1]},
                          {"any": [{"eq": ["sold", -1]}, {"eq": ["tower", -1]}, {"eq": ["strike", 1]},
                                   {"bars_since_entry": {"ge": HOLD}}]}), candles)
    # ThreeLineStrike reports 4 as its warm-up, the largest of the strategy's.
    expected, reasons = simulate(candles, rows, warmup=4)
    assert len(expected) >= 8
    assert reasons == {"crows", "tower", "strike", "hold"}, "every exit rule decides some trade"
    assert trades(report) == expected
