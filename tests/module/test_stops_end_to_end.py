"""A breakout over the previous bar's Donchian high, or a SuperTrend turning up, exited when the
SuperTrend turns down or the close falls under its line: run through Impact.command, reading the
named outputs "dc.stop_short" and "st.direction" and the bare id "st", checked against a plain
simulation of the indicators and rules over the same candles."""

import json
import random
from fractions import Fraction

from prynox_impact import Impact


def candles(n=500, seed=11):
    rng = random.Random(seed)
    out, x = [], 100.0
    for i in range(n):
        o = x
        x = round((x + (0.4 if (i // 60) % 2 else -0.4) + rng.uniform(-2.0, 2.0)) * 4) / 4
        h = max(o, x) + round(rng.uniform(0, 1.5) * 4) / 4
        lo = min(o, x) - round(rng.uniform(0, 1.5) * 4) / 4
        out.append({"time": i, "open": o, "high": h, "low": lo, "close": x, "volume": 10.0})
    return out


def fma(a, b, c):
    return float(Fraction(a) * Fraction(b) + Fraction(c))


def atr(k, n):
    out, seed, a = [None] * len(k), 0.0, 0.0
    for t, c in enumerate(k):
        tr = c["high"] - c["low"]
        if t > 0:
            pc = k[t - 1]["close"]
            tr = max(tr, abs(c["high"] - pc), abs(c["low"] - pc))
        if t + 1 < n:
            seed += tr
            continue
        a = (seed + tr) / n if t + 1 == n else fma(a, n - 1.0, tr) * (1.0 / n)
        out[t] = a
    return out


def super_trend(k, n, m):
    """(line, direction) per bar."""
    av, out, band = atr(k, n), [None] * len(k), None
    for t, c in enumerate(k):
        if av[t] is None:
            continue
        mid = (c["high"] + c["low"]) * 0.5
        up, lo = mid + m * av[t], mid - m * av[t]
        if band is None:
            u, low, d = up, lo, 1.0
        else:
            pu, pl, pc, pd = band
            u = up if up < pu or pc > pu else pu
            low = lo if lo > pl or pc < pl else pl
            d = (1.0 if c["close"] >= low else -1.0) if pd >= 0 else (-1.0 if c["close"] <= u else 1.0)
        band = (u, low, c["close"], d)
        out[t] = (low if d > 0 else u, d)
    return out


def simulate(k, warmup, enters, leaves):
    """Entries and exits at the next open through a one-level book: ask = open + 0.5, bid = open - 0.5."""
    trades, position, pending = [], None, None
    for i, c in enumerate(k):
        if pending == "entry":
            position = (i, c["open"] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], c["open"] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and leaves(i):
                pending = "exit"
            elif not position and enters(i):
                pending = "entry"
    if position:
        trades.append((position[0], len(k) - 1, position[1], k[-1]["close"], "end"))
    return trades


def test_donchian_breakout_with_super_trend_exit_matches_a_plain_simulation():
    k = candles()
    st = super_trend(k, 10, 3.0)
    hh = [max(c["high"] for c in k[t - 19:t + 1]) if t >= 19 else None for t in range(len(k))]
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {"st": {"type": "SuperTrend", "params": [10, 3]}, "dc": {"type": "DonchianStop", "params": [20]}},
            "entry": {"any": [{"cross_above": [{"price": "close"}, {"prev": ["dc.stop_short", 1]}]},
                              {"cross_above": ["st.direction", 0]}]},
            "exit": {"any": [{"cross_below": ["st.direction", 0]}, {"lt": [{"price": "close"}, "st"]}]},
            "sizing": {"type": "fixed_qty", "qty": 1},
        },
        "book_model": {"kind": "orderbook_walk"},
    }
    books = [{"bids": [[c["open"] - 0.5, 1000]], "asks": [[c["open"] + 0.5, 1000]]} for c in k]
    report = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": {"candles": k, "books": books}})))
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"]) for t in report["report"]["trades"]]

    def breakout(i):
        return i >= 2 and None not in (hh[i - 1], hh[i - 2]) and k[i - 1]["close"] <= hh[i - 2] and k[i]["close"] > hh[i - 1]

    def turned(i, to):
        return i >= 1 and None not in (st[i], st[i - 1]) and st[i - 1][1] * to <= 0 < st[i][1] * to

    expected = simulate(k, 20, lambda i: breakout(i) or turned(i, 1),
                        lambda i: turned(i, -1) or (st[i] is not None and k[i]["close"] < st[i][0]))
    assert sum(1 for i in range(len(k)) if turned(i, 1)) >= 3 and sum(1 for i in range(20, len(k)) if breakout(i)) >= 3
    assert len(expected) >= 5
    assert got == expected
