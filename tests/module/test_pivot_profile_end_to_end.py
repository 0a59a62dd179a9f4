"""A pivot breakout with a value-area stop through Impact.command, over one-minute candles: enter
when the close crosses above the previous bar's classic r1 (read through "prev"), leave when the
close falls below the value area's low; the trades are checked against a plain simulation of the
same indicators and rules."""

import random

from plain_backtest import next_open_trades, run, strategy, trades

WINDOW, BINS, SHARE = 30, 12, 0.7


def candles(n=1500, seed=21):
    rng, out, x = random.Random(seed), [], 100.0
    start = 1_700_000_000_000  # minute bars over a little more than a day
    for i in range(n):
        o = x
        x = round((x + (0.25 if (i // 60) % 2 else -0.2) + rng.uniform(-1.2, 1.2)) * 4) / 4
        h = max(o, x) + round(rng.uniform(0, 1.0) * 4) / 4
        lo = min(o, x) - round(rng.uniform(0, 1.0) * 4) / 4
        if i % 97 == 13:
            h = lo = o = x
        out.append({"time": start + i * 60_000, "open": o, "high": h, "low": lo, "close": x,
                    "volume": float(rng.choice([0, rng.randint(1, 500)]))})
    return out


def r1(c):
    if c["high"] == c["low"]:
        return c["high"]  # a bar without range puts every level at its price
    pp = (c["close"] + (c["low"] + c["high"])) / 3
    return 2 * pp - c["low"]


def value_area_low(window):
    lo, hi = min(c["low"] for c in window), max(c["high"] for c in window)
    if not hi - lo > 0.0:
        return lo
    w, bins = (hi - lo) / BINS, [0.0] * BINS
    for c in window:
        if c["volume"] == 0.0:
            continue
        f, l = min(int((c["low"] - lo) / w), BINS - 1), min(int((c["high"] - lo) / w), BINS - 1)
        for j in range(f, l + 1):
            bins[j] += c["volume"] / (l - f + 1)
    poc = max(range(BINS), key=lambda j: (bins[j], -j))
    total = 0.0
    for b in bins:
        total += b
    a, b, covered = poc, poc, bins[poc]
    while covered < total * SHARE:
        if all(bins[j] == 0.0 for j in range(BINS) if j < a or j > b) or (a == 0 and b == BINS - 1):
            break
        up = bins[b + 1] if b + 1 < BINS else float("-inf")
        down = bins[a - 1] if a > 0 else float("-inf")
        if up >= down:
            b += 1
            covered += bins[b]
        else:
            a -= 1
            covered += bins[a]
    return lo + w * a


def simulate(k):
    levels = [r1(c) for c in k]
    val = [value_area_low(k[t + 1 - WINDOW:t + 1]) if t >= WINDOW - 1 else None for t in range(len(k))]

    def crosses(i):
        return k[i - 1]["close"] <= levels[i - 2] and k[i]["close"] > levels[i - 1]

    return next_open_trades(k, WINDOW, crosses, lambda i, _: k[i]["close"] < val[i])


def test_pivot_breakout_with_a_value_area_stop_matches_a_plain_simulation():
    k = candles()
    report = run(strategy({"piv": {"type": "ClassicPivots", "params": []},
                           "va": {"type": "ValueArea", "params": [WINDOW, BINS, SHARE]}},
                          {"cross_above": [{"price": "close"}, {"prev": ["piv.r1", 1]}]},
                          {"lt": [{"price": "close"}, "va.val"]}), k)
    expected = simulate(k)
    assert len(expected) >= 5
    assert trades(report) == expected
