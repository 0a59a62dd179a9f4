"""Multi-output oscillators in rules, run through Impact.command: in while "adx.adx" is above 25
and "stoch.k" crosses above "stoch.d", out when "stoch.k" crosses below "stoch.d", checked against
a plain simulation of both indicators and the rules."""

import math

from plain_backtest import crossed, from_closes, next_open_trades, run, strategy, trades
from test_macd_end_to_end import FAST, SIGNAL, SLOW, ema

ADX, STOCH = 14, (14, 3)


def adx(candles, n):
    """(+DI, -DI, ADX) per bar: Wilder's sums seeded with n plain sums, ADX seeded with n DX."""
    out, prev, seed, count, sums, dxs, value = [], None, [0.0, 0.0, 0.0], 0, None, [], None
    for c in candles:
        if prev is None:
            prev = c
            out.append(None)
            continue
        tr = max(c["high"] - c["low"], abs(c["high"] - prev["close"]), abs(c["low"] - prev["close"]))
        up, down = c["high"] - prev["high"], prev["low"] - c["low"]
        moves = [tr, up if up > down and up > 0 else 0.0, down if down > up and down > 0 else 0.0]
        prev = c
        if sums is None:
            seed, count = [s + m for s, m in zip(seed, moves)], count + 1
            if count < n:
                out.append(None)
                continue
            sums = seed
        else:
            sums = [m + (s - s / n) for s, m in zip(sums, moves)]
        plus, minus = ((100.0 * s) / sums[0] if sums[0] != 0 else 0.0 for s in sums[1:])
        dx = (abs(plus - minus) * 100.0) / (plus + minus) if plus + minus != 0 else 0.0
        if value is None:
            dxs.append(dx)
            if len(dxs) < n:
                out.append(None)
                continue
            total = 0.0
            for d in dxs:
                total += d
            value = total / n
        else:
            value = (dx + (n - 1) * value) / n
        out.append((plus, minus, value))
    return out


def stochastic(candles, k, d):
    """(%K, %D): %K over the last k candles (50 on a flat range), %D a running sum of d, subtracting
    the leaving value and summed afresh after every 16 d updates."""
    out, ks, total, updates = [], [], 0.0, 0
    for i, c in enumerate(candles):
        if i + 1 < k:
            out.append(None)
            continue
        window = candles[i + 1 - k:i + 1]
        hh, ll = max(x["high"] for x in window), min(x["low"] for x in window)
        kv = 50.0 if hh - ll == 0 else (100.0 * (c["close"] - ll)) / (hh - ll)
        total = kv + (total - ks[-d]) if len(ks) >= d else kv + total
        ks.append(kv)
        updates += 1
        if updates >= 16 * d:
            total, updates = -0.0, 0
            for v in ks[-d:]:
                total += v
        out.append((kv, total / d) if len(ks) >= d else None)
    return out


def trending_candles(sideways=0):
    """Trending legs with swings on them, so that the ADX rises above 25 and %K crosses %D often;
    the first `sideways` bars swing without a trend, where the ADX stays low."""
    closes, x = [], 100.0
    for i in range(400):
        x += (0.0 if i < sideways else 0.9 if (i // 60) % 2 == 0 else -0.8) + 2.5 * math.sin(0.45 * i)
        closes.append(round(x * 4) / 4)  # quarters: the fills at open +- 0.5 are exact
    k = from_closes(closes)
    for i, c in enumerate(k):
        c["high"], c["low"] = max(c["open"], c["close"]) + 0.25 * (1 + i % 5), min(c["open"], c["close"]) - 0.25 * (1 + i % 3)
    return k


def lines(candles):
    a, s = adx(candles, ADX), stochastic(candles, *STOCH)
    return [x and x[2] for x in a], [x and x[0] for x in s], [x and x[1] for x in s]


INDICATORS = {"adx": {"type": "Adx", "params": [ADX]}, "stoch": {"type": "Stochastic", "params": list(STOCH)}}


def test_adx_filtered_stochastic_crosses_match_a_plain_simulation():
    candles = trending_candles()
    a, k, d = lines(candles)

    def simulate(threshold):
        return next_open_trades(candles, 2 * ADX,
                                lambda i: a[i] is not None and a[i] > threshold and crossed(k, d, i),
                                lambda i, _: crossed(k, d, i, above=False))

    strat = strategy(INDICATORS, {"all": [{"gt": ["adx.adx", 25]}, {"cross_above": ["stoch.k", "stoch.d"]}]},
                     {"cross_below": ["stoch.k", "stoch.d"]})
    expected = simulate(25)
    # The ADX filter keeps some crosses out.
    assert len(expected) >= 3 and simulate(-1) != expected
    assert trades(run(strat, candles)) == expected


def test_macd_cross_with_an_adx_filter_and_a_stochastic_exit_matches_a_plain_simulation():
    candles = trending_candles(sideways=150)
    a, k, d = lines(candles)
    closes = [c["close"] for c in candles]
    fast, slow = ema(closes, FAST), ema(closes, SLOW)
    line = [f - s if f is not None and s is not None else None for f, s in zip(fast, slow)]
    signal = ema(line, SIGNAL)
    line = [m if s is not None else None for m, s in zip(line, signal)]
    strat = strategy({**INDICATORS, "macd": {"type": "MacdIndicator", "params": [FAST, SLOW, SIGNAL]}},
                     {"all": [{"cross_above": ["macd.macd", "macd.signal"]}, {"gt": ["adx.adx", 25]}]},
                     {"cross_below": ["stoch.k", "stoch.d"]})

    def simulate(threshold):
        return next_open_trades(candles, SLOW + SIGNAL - 1,
                                lambda i: crossed(line, signal, i) and a[i] is not None and a[i] > threshold,
                                lambda i, _: crossed(k, d, i, above=False))

    expected = simulate(25)
    assert len(expected) >= 3 and simulate(-1) != expected
    assert trades(run(strat, candles)) == expected
