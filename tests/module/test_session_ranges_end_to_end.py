"""Breakout strategies on the session and opening ranges over intraday candles, run through
Impact.command and checked against a plain simulation of the indicator and the rules: an opening
range breakout (the range of the run's first n bars) and a breakout of the local day's high and low
with a time-zone offset."""

import json
import math
import random

from prynox_impact import Impact

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


def run(k, indicators, entry, exit_rule):
    spec = {
        "strategy": {"symbol": "X", "timeframe": "5m", "indicators": indicators, "entry": entry, "exit": exit_rule,
                     "sizing": {"type": "fixed_qty", "qty": 1}},
        "book_model": {"kind": "orderbook_walk"},
    }
    books = [{"bids": [[c["open"] - 0.5, 1000]], "asks": [[c["open"] + 0.5, 1000]]} for c in k]
    command = json.dumps({"cmd": "run", "data": {"candles": k, "books": books}})
    answer = json.loads(Impact(json.dumps(spec)).command(command))
    assert "report" in answer, answer
    return [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"])
            for t in answer["report"]["trades"]]


def simulate(k, enters, leaves, warmup=1):
    """Entries and exits at the next open through a one-level book: ask = open + 0.5, bid = open - 0.5."""
    trades, position, pending = [], None, None
    for i, c in enumerate(k):
        if pending == "entry":
            position = (c["time"], c["open"] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], c["time"], position[1], c["open"] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and leaves(i):
                pending = "exit"
            elif not position and enters(i):
                pending = "entry"
    if position:
        trades.append((position[0], k[-1]["time"], position[1], k[-1]["close"], "end"))
    return trades


def test_opening_range_breakout_matches_a_plain_simulation():
    k, n = candles(300, 5, seed=11), 12
    hi = max(c["high"] for c in k[:n])
    lo = min(c["low"] for c in k[:n])
    # Before the range freezes, a close never exceeds its running high, so only frozen breakouts enter.
    distance = [c["close"] - (lo + hi) * 0.5 for c in k]
    trades = run(k, {"orb": {"type": "OpeningRange", "params": [n]}},
                 {"gt": [{"price": "close"}, "orb.high"]}, {"lt": ["orb.breakout_distance", 0]})
    expected = simulate(k, lambda i: i >= n and k[i]["close"] > hi, lambda i: i >= n and distance[i] < 0)
    assert len(expected) >= 3
    assert trades == expected


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
    trades = run(k, {"shl": {"type": "SessionHighLow", "params": [offset]}},
                 {"gt": [{"price": "close"}, {"prev": ["shl.high", 1]}]},
                 {"lt": [{"price": "close"}, {"prev": ["shl.low", 1]}]})
    expected = simulate(k, lambda i: k[i]["close"] > shl[i - 1][0], lambda i: k[i]["close"] < shl[i - 1][1])
    assert len(expected) >= 5
    assert trades == expected
    # The offset decides the trades: UTC days would give others.
    utc = session_high_low(k, 0)
    assert simulate(k, lambda i: k[i]["close"] > utc[i - 1][0], lambda i: k[i]["close"] < utc[i - 1][1]) != expected
