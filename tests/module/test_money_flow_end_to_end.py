"""Volume types in a strategy: enter when the CCI is below -100 and the money flow index below 20,
leave when the close falls below the rolling VWAP; the trades are checked against a plain
simulation of the same rules."""

import json
import random

from prynox_impact import Impact

P = 14
M = 14
W = 20


def cci(candles, p):
    """The running sum of typical prices, summed afresh from the window on every p-th candle; p
    equal typical prices give 0."""
    tp = [((h + l) + c) / 3.0 for _, h, l, c, _ in candles]
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


def windowed_sums(terms, n):
    """Per term: the window's running sums (the leaving terms out, the new ones in), summed afresh
    from the window on every n-th term, and the counts of non-zero terms."""
    out, sums = [], [0.0] * len(terms[0]) if terms else []
    for t, term in enumerate(terms):
        for k, x in enumerate(term):
            if t >= n:
                sums[k] -= terms[t - n][k]
            sums[k] += x
        if (t + 1) % n == 0:
            sums = [0.0] * len(term)
            for old in terms[t + 1 - n:t + 1]:
                sums = [s + x for s, x in zip(sums, old)]
        window = terms[max(0, t + 1 - n):t + 1]
        counts = [sum(1 for w in window if w[k] != 0.0) for k in range(len(term))]
        out.append(None if t + 1 < n else (list(sums), counts))
    return out


def mfi(candles, n):
    tp = [((h + l) + c) / 3.0 for _, h, l, c, _ in candles]
    flows = [(tp[t] * v if tp[t] > tp[t - 1] else 0.0, tp[t] * v if tp[t] < tp[t - 1] else 0.0)
             for t, (_, _, _, _, v) in enumerate(candles) if t > 0]
    out = [None]
    for w in windowed_sums(flows, n):
        if w is None:
            out.append(None)
            continue
        (up, down), (nu, nd) = w
        if nd == 0 or down == 0.0:
            out.append(50.0 if nu == 0 or up == 0.0 else 100.0)
        else:
            out.append(100.0 - 100.0 / (1.0 + (0.0 if nu == 0 else up) / down))
    return out


def rolling_vwap(candles, n):
    terms = [(((h + l) + c) / 3.0 * v, v) for _, h, l, c, v in candles]
    out = []
    for w in windowed_sums(terms, n):
        if w is None or w[1][1] == 0 or w[0][1] == 0.0:
            out.append(None)
        else:
            out.append(0.0 if w[1][0] == 0 else w[0][0] / w[0][1])
    return out


def simulate(candles, opens, warmup):
    c, m, vwap = cci(candles, P), mfi(candles, M), rolling_vwap(candles, W)
    trades, position, pending = [], None, None
    for i in range(len(candles)):
        if pending == "entry":
            position = (i, opens[i] + 0.5)
        elif pending == "exit" and position:
            trades.append((position[0], i, position[1], opens[i] - 0.5, "signal"))
            position = None
        pending = None
        if i < warmup:
            continue
        if position and vwap[i] is not None and candles[i][3] < vwap[i]:
            pending = "exit"
        elif not position and None not in (c[i], m[i]) and c[i] < -100.0 and m[i] < 20.0:
            pending = "entry"
    if position:
        trades.append((position[0], len(candles) - 1, position[1], candles[-1][3], "end"))
    return trades


def market(count=800, seed=5):
    """A walk that turns every 40 bars, with volumes in tenths and a stretch without volume."""
    rng = random.Random(seed)
    candles, opens, close = [], [], 100.0
    for i in range(count):
        o = close
        drift = 0.6 if (i // 40) % 2 == 0 else -0.6
        close = round(max(1.0, o + drift + rng.uniform(-2.0, 2.0)), 2)
        h = round(max(o, close) + rng.uniform(0.0, 1.5), 2)
        l = round(min(o, close) - rng.uniform(0.0, 1.5), 2)
        volume = 0.0 if 500 <= i < 530 else rng.randint(1, 40) / 10.0
        candles.append((i, h, l, close, volume))
        opens.append(o)
    return candles, opens


def test_cci_and_mfi_entries_with_a_vwap_exit_match_a_plain_simulation():
    candles, opens = market()
    spec = {
        "strategy": {
            "symbol": "X", "timeframe": "1m",
            "indicators": {
                "cci": {"type": "Cci", "params": [P]},
                "mfi": {"type": "Mfi", "params": [M]},
                "vwap": {"type": "RollingVwap", "params": [W]},
            },
            "entry": {"all": [{"lt": ["cci", -100]}, {"lt": ["mfi", 20]}]},
            "exit": {"lt": [{"price": "close"}, "vwap"]},
            "sizing": {"type": "fixed_qty", "qty": 1},
        },
        "book_model": {"kind": "orderbook_walk"},
    }
    data = {
        "candles": [{"time": t, "open": o, "high": h, "low": l, "close": c, "volume": v}
                    for (t, h, l, c, v), o in zip(candles, opens)],
        "books": [{"bids": [[o - 0.5, 1000]], "asks": [[o + 0.5, 1000]]} for o in opens],
    }
    report = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": data})))["report"]
    got = [(t["entry_time"], t["exit_time"], t["entry_price"], t["exit_price"], t["reason"]) for t in report["trades"]]
    expected = simulate(candles, opens, warmup=W)
    assert len(expected) >= 4
    assert got == expected
