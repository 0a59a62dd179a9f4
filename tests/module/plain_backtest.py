"""What the end-to-end tests share: candles and one-level books in the engine's form, a run through
Impact.command, and a plain Python simulation of the engine's next-open fills to check its trades
against."""

import json
import random
from fractions import Fraction

from prynox_impact import Impact


def candle(time, open_, high, low, close, volume=100):
    return {"time": time, "open": open_, "high": high, "low": low, "close": close, "volume": volume}


def from_closes(closes, up=1, down=1, volumes=None):
    """Candles opening at the last close (the first at its own), with shadows `up` above and
    `down` below the body."""
    opens = [closes[0]] + closes[:-1]
    volumes = volumes or [100] * len(closes)
    return [candle(i, o, max(o, c) + up, min(o, c) - down, c, v)
            for i, (o, c, v) in enumerate(zip(opens, closes, volumes))]


def random_walk(count, seed, drift, turn, wick=1.5, volume=None, flat=()):
    """A walk from 100 that drifts by `drift` a bar, turning every `turn` bars, plus up to 2
    either way (never below 1), on a grid of cents: each candle opens at the last close and has
    shadows of up to `wick`. `volume(i, rng)` draws a candle's volume (100 without it); the bars
    in `flat` are equal candles at the last close."""
    rng = random.Random(seed)
    out, close = [], 100.0
    for i in range(count):
        o = close
        if i in flat:
            out.append(candle(i, o, o, o, o))
            continue
        close = round(max(1.0, o + (drift if (i // turn) % 2 == 0 else -drift) + rng.uniform(-2.0, 2.0)), 2)
        h = round(max(o, close) + rng.uniform(0.0, wick), 2)
        l = round(min(o, close) - rng.uniform(0.0, wick), 2)
        out.append(candle(i, o, h, l, close, 100 if volume is None else volume(i, rng)))
    return out


def columns(candles, *keys):
    """The candles as tuples of the named fields."""
    return [tuple(k[key] for key in keys) for k in candles]


def strategy(indicators, entry, exit_rule, **fields):
    """A long strategy of one unit on X at 1m; `fields` add to it or replace its fields."""
    return {"symbol": "X", "timeframe": "1m", "indicators": indicators, "entry": entry, "exit": exit_rule,
            "sizing": {"type": "fixed_qty", "qty": 1}, **fields}


def run(strat, candles, books=None, **data):
    """The report of `strat` run over the candles through the order-book walk; without `books`,
    one level of 1000 on either side of each open, half a unit away."""
    if books is None:
        books = [{"bids": [[k["open"] - 0.5, 1000]], "asks": [[k["open"] + 0.5, 1000]]} for k in candles]
    spec = {"strategy": strat, "book_model": {"kind": "orderbook_walk"}}
    answer = json.loads(Impact(json.dumps(spec)).command(
        json.dumps({"cmd": "run", "data": {"candles": candles, "books": books, **data}})))
    assert "report" in answer, answer
    return answer["report"]


def trades(report):
    return [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"])
            for t in report["trades"]]


def next_open_trades(candles, warmup, enters, leaves, entry_fill=None, exit_fill=None):
    """The engine's trades in plain Python. From bar `warmup` on, a flat strategy whose enters(i)
    holds buys at the next bar's open, a holding one whose leaves(i, entry_bar) holds sells there;
    the fills are at the one-level book's ask (open + 0.5) and bid (open - 0.5), or entry_fill(i)
    and exit_fill(i) where given. A position still open is closed at the last close ("end").
    Trades are given by their candles' times, as the report gives them."""
    entry_fill = entry_fill or (lambda i: candles[i]["open"] + 0.5)
    exit_fill = exit_fill or (lambda i: candles[i]["open"] - 0.5)
    out, position, pending = [], None, None
    for i in range(len(candles)):
        if pending == "entry":
            position = (i, entry_fill(i))
        elif pending == "exit":
            out.append((candles[position[0]]["time"], candles[i]["time"], position[1], exit_fill(i), "signal"))
            position = None
        pending = None
        if i >= warmup:
            if position and leaves(i, position[0]):
                pending = "exit"
            elif not position and enters(i):
                pending = "entry"
    if position:
        out.append((candles[position[0]]["time"], candles[-1]["time"], position[1], candles[-1]["close"], "end"))
    return out


def fma(a, b, c):
    """a * b + c rounded once, as a fused multiply-add."""
    return float(Fraction(a) * Fraction(b) + Fraction(c))


def true_range(h, l, pc):
    return max(h - l, abs(h - pc), abs(l - pc))


def crossed(a, b, i, above=True):
    """Whether line a crosses line b on bar i (from at or below to above, or the reverse)."""
    if i == 0 or None in (a[i], b[i], a[i - 1], b[i - 1]):
        return False
    if above:
        return a[i - 1] <= b[i - 1] and a[i] > b[i]
    return a[i - 1] >= b[i - 1] and a[i] < b[i]


def shifted_sums(values, n):
    """Per value: the window of the last n values, a shift point, and the sums of the window's
    deviations from that point and of their squares, as the windowed types keep them: running
    (the leaving value out, the new one in), taken afresh about the window mean every n values."""
    window, anchor, s1, s2, updates = [], None, 0.0, 0.0, 0
    for x in values:
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
        yield window, anchor, s1, s2


def cci(candles, p):
    """The running sum of typical prices (the leaving one out, the new one in), summed afresh from
    the window on every p-th candle; p equal typical prices give 0."""
    tp = [((k["high"] + k["low"]) + k["close"]) / 3.0 for k in candles]
    out, total = [], 0.0
    for t, x in enumerate(tp):
        if t >= p:
            total -= tp[t - p]
        total += x
        if (t + 1) % p == 0:
            total = 0.0
            for v in tp[t + 1 - p:t + 1]:
                total += v
        if t + 1 < p:
            out.append(None)
            continue
        window = tp[t + 1 - p:t + 1]
        if all(v == x for v in window):
            out.append(0.0)
            continue
        mean = total / p
        dev = 0.0
        for v in window:
            dev += abs(v - mean)
        md = dev / p
        out.append(0.0 if md == 0.0 else (x - mean) / (md * 0.015))
    return out
