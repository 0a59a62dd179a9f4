"""Breakout strategies on the session and opening ranges over intraday candles, run through
Impact.command and checked against a plain simulation of the indicator and the rules: an opening
range breakout (the range of the run's first n bars) and a breakout of the local day's high and low
with a time-zone offset."""

import math
import random

from plain_backtest import next_open_trades, run, strategy, trades

START = 1_709_510_400_000  # 2024-03-04 00:00 UTC, in milliseconds


def candles(n, step_minutes, seed):
    rng = random.Random(seed)
    out, x = [], 100.0
    for i in range(n):
        o = x
        x = round((x + 0.2 * (100 - 6 * math.sin(i / 10) - x) + rng.uniform(-1.2, 1.2)) * 4) / 4
        h, lo = max(o, x) + round(rng.uniform(0, 0.75) * 4) / 4, min(o, x) - round(rng.uniform(0, 0.75) * 4) / 4
        out.append({"time": START + i * step_minutes * 60_000, "open": o, "high": h, "low": lo, "close": x,
                    "volume": 100.0})
    return out


def run_trades(k, indicators, entry, exit_rule):
    return trades(run(strategy(indicators, entry, exit_rule, timeframe="5m"), k))


def simulate(k, enters, leaves, warmup=1):
    return next_open_trades(k, warmup, enters, lambda i, _: leaves(i))


def test_opening_range_breakout_matches_a_plain_simulation():
    k, n = candles(300, 5, seed=11), 12
    hi = max(c["high"] for c in k[:n])
    lo = min(c["low"] for c in k[:n])
    # Before the range freezes, a close never exceeds its running high, so only frozen breakouts enter.
    distance = [c["close"] - (lo + hi) * 0.5 for c in k]
    got = run_trades(k, {"orb": {"type": "OpeningRange", "params": [n]}},
                     {"gt": [{"price": "close"}, "orb.high"]}, {"lt": ["orb.breakout_distance", 0]})
    expected = simulate(k, lambda i: i >= n and k[i]["close"] > hi, lambda i: i >= n and distance[i] < 0)
    assert len(expected) >= 3
    assert got == expected


def session_high_low(k, offset):
    """The local day's high and low through each candle."""
    out, day = [], None
    for c in k:
        d = (c["time"] // 1000 + offset * 60) // 86400
        if d != day:
            day, hi, lo = d, c["high"], c["low"]
        hi, lo = max(hi, c["high"]), min(lo, c["low"])
        out.append((hi, lo))
    return out


def test_session_high_low_breakout_with_an_offset_matches_a_plain_simulation():
    k, offset = candles(12 * 96, 15, seed=4), -300
    shl = session_high_low(k, offset)
    got = run_trades(k, {"shl": {"type": "SessionHighLow", "params": [offset]}},
                     {"gt": [{"price": "close"}, {"prev": ["shl.high", 1]}]},
                     {"lt": [{"price": "close"}, {"prev": ["shl.low", 1]}]})
    expected = simulate(k, lambda i: k[i]["close"] > shl[i - 1][0], lambda i: k[i]["close"] < shl[i - 1][1])
    assert len(expected) >= 5
    assert got == expected
    # The offset decides the trades: UTC days would give others.
    utc = session_high_low(k, 0)
    assert simulate(k, lambda i: k[i]["close"] > utc[i - 1][0], lambda i: k[i]["close"] < utc[i - 1][1]) != expected
