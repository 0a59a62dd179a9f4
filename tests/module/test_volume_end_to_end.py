"""Volume types in a strategy: enter when Obv crosses above its own value 10 bars before (read
through "prev"), leave when the close falls below Vwma; the trades are checked against a plain
simulation of the same rules."""

from plain_backtest import columns, crossed, next_open_trades, random_walk, run, strategy, trades

LAG = 10
N = 8


def obv(candles):
    out, total, prev = [], 0.0, None
    for _, _, _, close, volume in candles:
        if prev is not None and close > prev:
            total = volume + total
        elif prev is not None and close < prev:
            total = total - volume
        prev = close
        out.append(total)
    return out


def vwma(candles, n):
    """Running sums with subtract-on-evict, recomputed from the window every n pairs; the plain
    mean of the closes over a window without volume."""
    out, window, pv, vs, ps, updates = [], [], 0.0, 0.0, 0.0, 0
    for _, _, _, close, volume in candles:
        if len(window) == n:
            p, v = window.pop(0)
            pv, vs, ps = pv - p * v, vs - v, ps - p
        window.append((close, volume))
        pv, vs, ps, updates = pv + close * volume, vs + volume, ps + close, updates + 1
        if updates >= n:
            pv = vs = ps = 0.0
            for p, v in window:
                pv, vs, ps = pv + p * v, vs + v, ps + p
            updates = 0
        if len(window) < n:
            out.append(None)
        elif any(v > 0 for _, v in window) and vs > 0:
            out.append(pv / vs)
        else:
            out.append(ps / n)
    return out


def simulate(candles, warmup):
    rows = columns(candles, "time", "high", "low", "close", "volume")
    line, average = obv(rows), vwma(rows, N)
    lagged = [None] * LAG + line[:-LAG]
    return next_open_trades(candles, warmup, lambda i: crossed(line, lagged, i),
                            lambda i, _: average[i] is not None and candles[i]["close"] < average[i])


def test_obv_crossing_its_lag_with_a_vwma_exit_matches_a_plain_simulation():
    candles = random_walk(500, 11, 0.5, 50, volume=lambda i, rng: 0 if i % 23 == 7 or 300 <= i < 312
                          else round(rng.uniform(10.0, 900.0), 1))
    report = run(strategy({"obv": {"type": "Obv", "params": []}, "vwma": {"type": "Vwma", "params": [N]}},
                          {"cross_above": ["obv", {"prev": ["obv", LAG]}]}, {"lt": [{"price": "close"}, "vwma"]}),
                 candles)
    expected = simulate(candles, warmup=N)
    assert len(expected) >= 4
    assert trades(report) == expected
