"""Strategies on the DeMark oscillators and on the price profiles run through Impact.command, each
checked against a plain simulation of its indicators and rules over the same candles."""

import random

from plain_backtest import candle, next_open_trades, run, strategy, trades


def candles(n=500, seed=5):
    rng = random.Random(seed)
    out, x = [], 50.0
    for i in range(n):
        o = x
        x = round((x + (0.3 if (i // 40) % 2 else -0.3) + rng.uniform(-1.5, 1.5)) * 4) / 4
        h = max(o, x) + round(rng.uniform(0, 1.5) * 4) / 4
        lo = min(o, x) - round(rng.uniform(0, 1.5) * 4) / 4
        out.append(candle(i, o, h, lo, x, float(rng.randint(0, 40))))
    return out


def total(values):
    s = 0.0
    for v in values:
        s += v
    return s


def demarker(k, n):
    out, ups, downs = [None] * len(k), [0.0] * len(k), [0.0] * len(k)
    for t in range(1, len(k)):
        ups[t] = max(k[t]["high"] - k[t - 1]["high"], 0.0)
        downs[t] = max(k[t - 1]["low"] - k[t]["low"], 0.0)
        if t >= n:
            au, ad = total(ups[t + 1 - n:t + 1]) / n, total(downs[t + 1 - n:t + 1]) / n
            out[t] = 0.5 if au + ad == 0.0 else au / (au + ad)
    return out


def rei(k, n):
    out, num, den = [None] * len(k), [0.0] * len(k), [0.0] * len(k)
    for t in range(8, len(k)):
        H, L, C = (lambda b: k[t - b]["high"]), (lambda b: k[t - b]["low"]), (lambda b: k[t - b]["close"])
        a = (H(0) >= L(5) or H(0) >= L(6)) and (L(0) <= H(5) or L(0) <= H(6))
        b = (H(2) >= C(7) or H(2) >= C(8)) and (L(2) <= C(7) or L(2) <= C(8))
        num[t] = (H(0) - H(2)) + (L(0) - L(2)) if a or b else 0.0
        den[t] = abs(H(0) - H(2)) + abs(L(0) - L(2))
        if t >= n + 7:
            d = total(den[t + 1 - n:t + 1])
            out[t] = 0.0 if d == 0.0 else min(max((total(num[t + 1 - n:t + 1]) * 100.0) / d, -100.0), 100.0)
    return out


def d_wave(k, n):
    out, last, wave, side = [None] * len(k), None, 0, 0
    for t in range(2 * n, len(k)):
        c = k[t - n]
        others = [k[i] for i in range(t - 2 * n, t + 1) if i != t - n]
        hi, lo = all(o["high"] < c["high"] for o in others), all(o["low"] > c["low"] for o in others)
        if hi != lo and (1 if hi else -1) != side:
            side, wave = (1 if hi else -1), wave % 8 + 1
            last = float(wave)
        out[t] = last
    return out


def profile(window, b):
    """(lo, width, volume bins, count bins); width 0 without range."""
    lo, hi = min(c["low"] for c in window), max(c["high"] for c in window)
    vol, cnt = [0.0] * b, [0] * b
    if not hi - lo > 0.0:
        return lo, 0.0, vol, cnt
    w = (hi - lo) / b
    for c in window:
        f, l = min(int((c["low"] - lo) / w), b - 1), min(int((c["high"] - lo) / w), b - 1)
        for j in range(f, l + 1):
            cnt[j] += 1
            if c["volume"] != 0.0:
                vol[j] += c["volume"] / (l - f + 1)
    return lo, w, vol, cnt


def poc(vol):
    best = 0
    for j in range(1, len(vol)):
        if vol[j] > vol[best]:
            best = j
    return best


def shape(k, n, b):
    out = [None] * len(k)
    for t in range(n - 1, len(k)):
        _, w, vol, _ = profile(k[t + 1 - n:t + 1], b)
        p = poc(vol) if w > 0.0 else 0
        out[t] = -1.0 if p < b // 3 else 1.0 if p >= b - b // 3 else 0.0
    return out


def single_prints(k, n, b):
    return [None] * (n - 1) + [float(profile(k[t + 1 - n:t + 1], b)[3].count(1)) if profile(k[t + 1 - n:t + 1], b)[1] > 0.0
                               else 0.0 for t in range(n - 1, len(k))]


def naked_poc(k, p, b):
    out, levels, start, done = [None] * len(k), [], 0, False
    for t, c in enumerate(k):
        levels = [x for x in levels if not (c["low"] <= x <= c["high"])]
        if t + 1 - start == p:
            lo, w, vol, _ = profile(k[start:t + 1], b)
            levels.append(lo + w * (poc(vol) + 0.5) if w > 0.0 else lo)
            start, done = t + 1, True
        if done:
            best = c["close"]
            for i, x in enumerate(levels):
                if i == 0 or abs(x - c["close"]) < abs(best - c["close"]):
                    best = x
            out[t] = best
    return out


def present(*values):
    return all(v is not None for v in values)


def test_demark_oscillator_trades_match_a_plain_simulation():
    k = candles()
    dem, r, wave = demarker(k, 8), rei(k, 5), d_wave(k, 2)
    report = run(strategy({"dem": {"type": "TdDeMarker", "params": [8]}, "rei": {"type": "TdRei", "params": [5]},
                           "wave": {"type": "TdDWave", "params": [2]}},
                          {"all": [{"lt": ["dem", 0.4]}, {"gt": ["rei", {"prev": ["rei", 1]}]}]},
                          {"any": [{"gt": ["dem", 0.6]}, {"ne": ["wave", {"prev": ["wave", 1]}]}]}), k)
    expected = next_open_trades(k, 13,
                                lambda i: present(dem[i], r[i], r[i - 1]) and dem[i] < 0.4 and r[i] > r[i - 1],
                                lambda i, _: (present(dem[i]) and dem[i] > 0.6)
                                or (present(wave[i], wave[i - 1]) and abs(wave[i] - wave[i - 1]) >= 1e-9))
    assert len(expected) >= 5
    assert trades(report) == expected


def test_price_profile_trades_match_a_plain_simulation():
    k = candles(seed=8)
    sh, sp, nk = shape(k, 12, 6), single_prints(k, 8, 20), naked_poc(k, 10, 12)
    report = run(strategy({"shape": {"type": "ProfileShape", "params": [12, 6]},
                           "prints": {"type": "SinglePrints", "params": [8, 20]},
                           "naked": {"type": "NakedPoc", "params": [10, 12]}},
                          {"all": [{"eq": ["shape", -1]}, {"gt": [{"price": "close"}, "naked"]}]},
                          {"any": [{"eq": ["shape", 1]}, {"gt": ["prints", 6]}]}), k)
    expected = next_open_trades(k, 12,
                                lambda i: present(sh[i], nk[i]) and abs(sh[i] + 1) < 1e-9 and k[i]["close"] > nk[i],
                                lambda i, _: (present(sh[i]) and abs(sh[i] - 1) < 1e-9)
                                or (present(sp[i]) and sp[i] > 6))
    assert len(expected) >= 5
    assert trades(report) == expected
