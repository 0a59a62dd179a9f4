"""Band types in rules, run through Impact.command. A Bollinger breakout (the close crosses above
the upper band while above the Keltner upper line; out when it crosses below the middle or falls
under the Keltner lower line) checked against a plain simulation of both indicators and the
rules; then the engine's key rules on real band types: the id holds the first output, a NaN
output is present beside the other outputs of its bar, and a type without a value on a bar has no
outputs on it (not those of an earlier bar)."""

import json
import math
from fractions import Fraction

from prynox_impact import Impact

N_BARS, BB, KC = 240, (20, 2.0), (20, 10, 1.5)


def fma(a, b, c):
    return float(Fraction(a) * Fraction(b) + Fraction(c))


def bollinger(closes, n, k):
    """(upper, middle, lower) from sums about an anchor moved to the window mean every n closes."""
    out, window, anchor, s1, s2, updates = [], [], None, 0.0, 0.0, 0
    for x in closes:
        if len(window) == n:
            d = window.pop(0) - anchor
            s1, s2 = s1 - d, s2 - d * d
        window.append(x)
        anchor = x if anchor is None else anchor
        d = x - anchor
        s1, s2, updates = s1 + d, s2 + d * d, updates + 1
        if updates >= n:
            total = 0.0
            for v in window:
                total += v
            anchor, s1, s2, updates = total / len(window), 0.0, 0.0, 0
            for v in window:
                s1, s2 = s1 + (v - anchor), s2 + (v - anchor) * (v - anchor)
        if len(window) < n:
            out.append(None)
        elif all(v == x for v in window):
            out.append((x, x, x))
        else:
            u = s1 / n
            middle = anchor + u
            w = k * math.sqrt(max(s2 / n - u * u, 0.0))
            out.append((middle + w, middle, middle - w))
    return out


def keltner(candles, e, a, m):
    out, alpha, ema, seed, atr, tr_sum, prev = [], 2.0 / (e + 1.0), None, -0.0, None, 0.0, None
    for i, c in enumerate(candles):
        if i < e:
            seed += c["close"]
            ema = seed / e if i == e - 1 else None
        else:
            ema = fma(alpha, c["close"], (1.0 - alpha) * ema)
        tr = c["high"] - c["low"]
        if prev is not None:
            tr = max(tr, abs(c["high"] - prev), abs(c["low"] - prev))
        prev = c["close"]
        if i < a:
            tr_sum += tr
            atr = tr_sum / a if i == a - 1 else None
        else:
            atr = fma(atr, a - 1.0, tr) * (1.0 / a)
        out.append(None if ema is None or atr is None else (ema + atr * m, ema, ema - atr * m))
    return out


def crossed(x, line, i, above):
    if i == 0 or line[i] is None or line[i - 1] is None:
        return False
    if above:
        return x[i - 1] <= line[i - 1] and x[i] > line[i]
    return x[i - 1] >= line[i - 1] and x[i] < line[i]


def simulate(candles, warmup):
    """Entries and exits at the next open through a one-level book: ask = open + 0.5, bid = open - 0.5."""
    closes, opens = [c["close"] for c in candles], [c["open"] for c in candles]
    bb, kc = bollinger(closes, *BB), keltner(candles, *KC)
    upper, middle = [b and b[0] for b in bb], [b and b[1] for b in bb]
    trades, position, pending = [], None, None
    for i in range(len(closes)):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and (crossed(closes, middle, i, above=False) or closes[i] < kc[i][2]):
                pending = "exit"
            elif not position and crossed(closes, upper, i, above=True) and closes[i] > kc[i][0]:
                pending = "entry"
    if position:
        trades.append((position[0], len(closes) - 1, position[1], closes[-1], "end"))
    return trades


def make_candles(closes):
    opens = [closes[0]] + closes[:-1]
    return [{"time": i, "open": o, "high": max(o, c) + 0.75, "low": min(o, c) - 0.5, "close": c, "volume": 100}
            for i, (o, c) in enumerate(zip(opens, closes))]


def run(candles, indicators, entry, exit_rule):
    spec = {"strategy": {"symbol": "X", "timeframe": "1m", "indicators": indicators, "entry": entry,
                         "exit": exit_rule, "sizing": {"type": "fixed_qty", "qty": 1}},
            "book_model": {"kind": "orderbook_walk"}}
    books = [{"bids": [[c["open"] - 0.5, 1000]], "asks": [[c["open"] + 0.5, 1000]]} for c in candles]
    answer = json.loads(Impact(json.dumps(spec)).command(
        json.dumps({"cmd": "run", "data": {"candles": candles, "books": books}})))
    assert "report" in answer, answer
    return [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"])
            for t in answer["report"]["trades"]]


CLOSE = {"price": "close"}
INDICATORS = {"bb": {"type": "BollingerBands", "params": list(BB)}, "kc": {"type": "Keltner", "params": list(KC)}}


def test_bollinger_breakout_with_a_keltner_filter_matches_a_plain_simulation():
    closes = [round(100 + 8 * math.sin(0.11 * i) + 3 * math.sin(0.7 * i) + (6 if i % 37 == 11 else 0), 2)
              for i in range(N_BARS)]
    candles = make_candles(closes)
    exit_rule = {"any": [{"cross_below": [CLOSE, "bb.middle"]}, {"lt": [CLOSE, "kc.lower"]}]}
    expected = simulate(candles, warmup=20)
    assert len(expected) >= 3
    # The id holds the first output: "bb" and "bb.upper" are one line.
    for upper in ("bb.upper", "bb"):
        entry = {"all": [{"cross_above": [CLOSE, upper]}, {"gt": [CLOSE, "kc.upper"]}]}
        assert run(candles, INDICATORS, entry, exit_rule) == expected


def test_nan_outputs_are_present_and_a_bar_without_value_has_no_outputs():
    # Bollinger over 2: the window {1e200, 1} leaves the squared sum NaN for a bar, so upper,
    # lower and stddev are NaN on bar 2 while the middle is 5e199. Bar 7 fails the candle check:
    # Keltner gives nothing there, the Bollinger bands (close only) still do.
    closes = [1.0, 1e200, 1.0, 1.5, 2.0, 2.5, 2.0, 1.5, 1.0, 1.5, 2.0, 2.5]
    candles = make_candles(closes)
    candles[7]["high"], candles[7]["low"] = 1.0, 3.0
    indicators = {"bb": {"type": "BollingerBands", "params": [2, 2]}, "kc": {"type": "Keltner", "params": [2, 2, 1]}}
    entry = {"all": [{"gt": ["bb.middle", 1e199]}, {"not": {"gt": ["bb", 0]}}]}
    exit_rule = {"all": [{"gt": ["bb.middle", 0]}, {"not": {"gt": ["kc.upper", -1e300]}}]}
    assert run(candles, indicators, entry, exit_rule) == [(3, 8, 1.5, 1.0, "signal")]
