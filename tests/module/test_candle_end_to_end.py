"""Candle types in a strategy: enter when PlusDi crosses above MinusDi, leave when the close falls
below an AtrTrailingStop; the trades are checked against a plain simulation of the same rules."""

from plain_backtest import columns, crossed, fma, next_open_trades, random_walk, run, strategy, trades, true_range

N = 5
K = 2.0


def directional_index(candles, n, plus):
    out, prev, count, dm_sum, tr_sum, dm_s, tr_s = [], None, 0, 0.0, 0.0, None, None
    for _, h, l, c in candles:
        if prev is None:
            prev = (h, l, c)
            out.append(None)
            continue
        ph, pl, pc = prev
        up, down = h - ph, pl - l
        dm = (up if up > down and up > 0 else 0.0) if plus else (down if down > up and down > 0 else 0.0)
        tr = true_range(h, l, pc)
        prev = (h, l, c)
        if dm_s is None:
            dm_sum, tr_sum, count = dm_sum + dm, tr_sum + tr, count + 1
            if count < n:
                out.append(None)
                continue
            dm_s, tr_s = dm_sum, tr_sum
        else:
            dm_s, tr_s = dm_s - dm_s / n + dm, tr_s - tr_s / n + tr
        out.append(0.0 if tr_s == 0 else 100.0 * dm_s / tr_s)
    return out


def atr_trailing_stop(candles, n, k):
    out, prev_close, seed, count, atr, stop, stop_close = [], None, 0.0, 0, None, None, None
    for _, h, l, c in candles:
        tr = h - l if prev_close is None else true_range(h, l, prev_close)
        prev_close = c
        if atr is None:
            seed, count = seed + tr, count + 1
            if count < n:
                out.append(None)
                continue
            atr = seed / count
        else:
            atr = fma(atr, n - 1.0, tr) * (1.0 / n)
        offset = atr * k
        if stop is None:
            stop = c - offset
        elif c > stop:
            stop = max(stop, c - offset) if stop_close > stop else c - offset
        else:
            stop = min(stop, c + offset) if c < stop and stop_close < stop else c + offset
        stop_close = c
        out.append(stop)
    return out


def simulate(candles, warmup):
    rows = columns(candles, "time", "high", "low", "close")
    plus, minus = directional_index(rows, N, True), directional_index(rows, N, False)
    stop = atr_trailing_stop(rows, N, K)
    return next_open_trades(candles, warmup, lambda i: crossed(plus, minus, i),
                            lambda i, _: stop[i] is not None and candles[i]["close"] < stop[i])


def test_directional_entry_with_an_atr_stop_exit_matches_a_plain_simulation():
    candles = random_walk(400, 7, 0.6, 40)
    report = run(strategy({"pdi": {"type": "PlusDi", "params": [N]}, "mdi": {"type": "MinusDi", "params": [N]},
                           "stop": {"type": "AtrTrailingStop", "params": [N, K]}},
                          {"cross_above": ["pdi", "mdi"]}, {"lt": [{"price": "close"}, "stop"]}), candles)
    expected = simulate(candles, warmup=N + 1)
    assert len(expected) >= 4
    assert trades(report) == expected
