"""Patterns over three and four candles in a strategy: enter on three white soldiers, leave on
three black crows, a tower top, a three-line strike or after 10 bars; the trades are checked
against a plain simulation of the same rules."""

import json
import random

from prynox_impact import Impact

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


def simulate(candles, warmup):
    n = len(candles)
    sold = [None, None] + [soldiers_or_crows(*candles[i - 2:i + 1]) for i in range(2, n)]
    top = [None, None] + [tower(*candles[i - 2:i + 1]) for i in range(2, n)]
    hit = [None, None, None] + [strike(*candles[i - 3:i + 1]) for i in range(3, n)]
    trades, position, pending, reasons = [], None, None, set()
    for i, (o, _, _, c) in enumerate(candles):
        if pending == "entry":
            position = (i, fill(o + 0.5))
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], fill(o - 0.5), "signal"))
            position = None
        pending = None
        if i < warmup:
            continue
        if position:
            fired = [name for name, yes in (("crows", sold[i] == -1), ("tower", top[i] == -1),
                                            ("strike", hit[i] == 1), ("hold", i - position[0] >= HOLD)) if yes]
            if fired:
                reasons.update(fired)
                pending = "exit"
        elif sold[i] == 1:
            pending = "entry"
    if position:
        trades.append((position[0], n - 1, position[1], candles[-1][3], "end"))
    return trades, reasons


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
    candles = market()
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {
                "sold": {"type": "ThreeSoldiersOrCrows"},
                "tower": {"type": "TowerTopBottom"},
                "strike": {"type": "ThreeLineStrike"},
            },
            "entry": {"eq": ["sold", 1]},
            "exit": {"any": [{"eq": ["sold", -1]}, {"eq": ["tower", -1]}, {"eq": ["strike", 1]},
                             {"bars_since_entry": {"ge": HOLD}}]},
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
    # ThreeLineStrike reports 4 as its warm-up, the largest of the strategy's.
    expected, reasons = simulate(candles, warmup=4)
    assert len(expected) >= 8
    assert reasons == {"crows", "tower", "strike", "hold"}, "every exit rule decides some trade"
    assert got == expected
