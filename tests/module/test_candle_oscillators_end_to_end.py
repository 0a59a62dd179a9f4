"""Candle oscillators in a strategy: enter when the CCI is below -100 and the close lies in the
lower fifth of its projection band, leave when the CCI rises above 100 or the close leaves the
band's top; the trades are checked against a plain simulation of the same rules."""

from plain_backtest import cci, columns, next_open_trades, random_walk, run, strategy, trades

P = 14
Q = 10


def slope(values):
    n = float(len(values))
    total = 0.0
    for v in values:
        total += v
    m = total / n
    s1 = s2 = 0.0
    for i, v in enumerate(values):
        s1 += v - m
        s2 += float(i) * (v - m)
    sx = (n * (n - 1.0)) / 2.0
    sx2 = (((n - 1.0) * n) * (2.0 * n - 1.0)) / 6.0
    return (n * s2 - s1 * sx) / (sx2 * n - sx * sx)


def projection_oscillator(candles, p):
    out = []
    for t in range(len(candles)):
        if t + 1 < p:
            out.append(None)
            continue
        window = candles[t + 1 - p:t + 1]
        highs, lows = [h for _, h, _, _ in window], [l for _, _, l, _ in window]
        sh, sl = slope(highs), slope(lows)
        upper = max(sh * float(p - 1 - i) + h for i, h in enumerate(highs))
        lower = min(sl * float(p - 1 - i) + l for i, l in enumerate(lows))
        width = upper - lower
        out.append(50.0 if width == 0.0 else ((candles[t][3] - lower) * 100.0) / width)
    return out


def simulate(candles, warmup):
    c, po = cci(candles, P), projection_oscillator(columns(candles, "time", "high", "low", "close"), Q)
    return next_open_trades(candles, warmup, lambda i: None not in (c[i], po[i]) and c[i] < -100.0 and po[i] < 20.0,
                            lambda i, _: None not in (c[i], po[i]) and (c[i] > 100.0 or po[i] > 100.0))


def test_cci_and_projection_entries_match_a_plain_simulation():
    # A walk that turns every 30 bars, with a flat stretch (equal candles) in the middle.
    candles = random_walk(600, 11, 0.5, 30, flat=range(300, 330))
    report = run(strategy({"cci": {"type": "Cci", "params": [P]},
                           "proj": {"type": "ProjectionOscillator", "params": [Q]}},
                          {"all": [{"lt": ["cci", -100]}, {"lt": ["proj", 20]}]},
                          {"any": [{"gt": ["cci", 100]}, {"gt": ["proj", 100]}]}), candles)
    expected = simulate(candles, warmup=P)
    assert len(expected) >= 4
    assert trades(report) == expected
