"""A spread strategy over candles and a reference series, run through Impact.command: buy when the
spread close - reference falls below its lower Bollinger band while the Kalman hedge ratio of the
close on the reference is above 1.5, sell when the spread is back above 60% of its band. The trades
are checked against a plain simulation of both indicators and the rules."""

import json
import math

from prynox_impact import Impact

N_BARS = 160
PERIOD, NUM_STD = 10, 1.5
DELTA, OBSERVATION_VAR = 0.01, 1.0


def series():
    refs, closes = [], []
    for i in range(N_BARS):
        r = 50 + 5 * math.sin(0.4 * i) + (i % 7) * 0.25
        gap = 3 * math.sin(0.9 * i) + (4 if i % 23 == 5 else 0) - (5 if i % 17 == 9 else 0)
        refs.append(r)
        closes.append(round(2 * r + gap, 2))
    return closes, refs


def spread_bands(spreads, n, k):
    """percent_b over the window, with the sums taken about a shift point that moves to the
    window mean every n spreads, as the indicator keeps them."""
    out, window, anchor, s1, s2, pushes = [], [], None, 0.0, 0.0, 0
    for s in spreads:
        if len(window) == n:
            d = window.pop(0) - anchor
            s1, s2 = s1 - d, s2 - d * d
        window.append(s)
        if anchor is None:
            anchor = s
        d = s - anchor
        s1, s2 = s1 + d, s2 + d * d
        pushes += 1
        if pushes >= n:
            total = 0.0
            for v in window:
                total += v
            anchor, s1, s2, pushes = total / len(window), 0.0, 0.0, 0
            for v in window:
                d = v - anchor
                s1, s2 = s1 + d, s2 + d * d
        if len(window) < n:
            out.append(None)
            continue
        if all(v == s for v in window):
            out.append(0.5)
            continue
        a = s1 / n
        middle = anchor + a
        var = s2 / n - a * a
        w = math.sqrt(var if var > 0 else 0.0) * k
        upper, lower = middle + w, middle - w
        out.append(0.5 if w == 0 or upper - lower == 0 else (s - lower) / (upper - lower))
    return out


def kalman_hedge(closes, refs, delta, r):
    q = delta / (1 - delta)
    hedge = intercept = 0.0
    p00 = p01 = p10 = p11 = 0.0
    out = []
    for i, (y, x) in enumerate(zip(closes, refs)):
        if i:
            p00, p11 = p00 + q, p11 + q
        s = r + p00 * x * x + (p01 + p10) * x + p11
        k0, k1 = (p00 * x + p01) / s, (p10 * x + p11) / s
        e = y - (hedge * x + intercept)
        hedge, intercept = hedge + k0 * e, intercept + k1 * e
        g0, g1 = x * p00 + p10, x * p01 + p11
        p00, p01, p10, p11 = p00 - k0 * g0, p01 - k0 * g1, p10 - k1 * g0, p11 - k1 * g1
        out.append(hedge)
    return out


def simulate(closes, refs, opens, warmup=PERIOD):
    """Entries and exits at the next open through a one-level book: ask = open + 0.5, bid = open - 0.5."""
    pb = spread_bands([c - r for c, r in zip(closes, refs)], PERIOD, NUM_STD)
    hedge = kalman_hedge(closes, refs, DELTA, OBSERVATION_VAR)
    trades, position, pending = [], None, None
    for i in range(len(closes)):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and pb[i] > 0.6:
                pending = "exit"
            elif not position and pb[i] < 0.0 and hedge[i] > 1.5:
                pending = "entry"
    if position:
        trades.append((position[0], len(closes) - 1, position[1], closes[-1], "end"))
    return trades


def test_spread_strategy_trades_match_a_plain_simulation():
    closes, refs = series()
    opens = [closes[0]] + closes[:-1]
    candles = [{"time": i, "open": o, "high": max(o, c) + 1, "low": min(o, c) - 1, "close": c, "volume": 100}
               for i, (o, c) in enumerate(zip(opens, closes))]
    reference = [{"time": i, "open": r, "high": r + 1, "low": r - 1, "close": r, "volume": 100}
                 for i, r in enumerate(refs)]
    books = [{"bids": [[o - 0.5, 1000]], "asks": [[o + 0.5, 1000]]} for o in opens]
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {"sbb": {"type": "SpreadBollingerBands", "params": [PERIOD, NUM_STD]},
                           "kal": {"type": "KalmanHedgeRatio", "params": [DELTA, OBSERVATION_VAR]}},
            "entry": {"all": [{"lt": ["sbb.percent_b", 0.0]}, {"gt": ["kal.hedge_ratio", 1.5]}]},
            "exit": {"gt": ["sbb.percent_b", 0.6]},
            "sizing": {"type": "fixed_qty", "qty": 1},
        },
        "book_model": {"kind": "orderbook_walk"},
    }
    h = Impact(json.dumps(spec))
    answer = json.loads(h.command(json.dumps(
        {"cmd": "run", "data": {"candles": candles, "reference": reference, "books": books}})))
    assert "report" in answer, answer
    report = answer["report"]
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"]) for t in report["trades"]]
    expected = simulate(closes, refs, opens)
    assert len(expected) >= 3
    assert got == expected
