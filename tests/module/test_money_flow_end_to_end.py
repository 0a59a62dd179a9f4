"""Volume types in a strategy: enter when the CCI is below -100 and the money flow index below 20,
leave when the close falls below the rolling VWAP; the trades are checked against a plain
simulation of the same rules."""

from plain_backtest import cci, columns, next_open_trades, random_walk, run, strategy, trades

P = 14
M = 14
W = 20


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


def simulate(candles, warmup):
    rows = columns(candles, "time", "high", "low", "close", "volume")
    c, m, vwap = cci(candles, P), mfi(rows, M), rolling_vwap(rows, W)
    return next_open_trades(candles, warmup, lambda i: None not in (c[i], m[i]) and c[i] < -100.0 and m[i] < 20.0,
                            lambda i, _: vwap[i] is not None and candles[i]["close"] < vwap[i])


def test_cci_and_mfi_entries_with_a_vwap_exit_match_a_plain_simulation():
    # A walk that turns every 40 bars, with volumes in tenths and a stretch without volume.
    candles = random_walk(800, 5, 0.6, 40, volume=lambda i, rng: 0.0 if 500 <= i < 530 else rng.randint(1, 40) / 10.0)
    report = run(strategy({"cci": {"type": "Cci", "params": [P]}, "mfi": {"type": "Mfi", "params": [M]},
                           "vwap": {"type": "RollingVwap", "params": [W]}},
                          {"all": [{"lt": ["cci", -100]}, {"lt": ["mfi", 20]}]},
                          {"lt": [{"price": "close"}, "vwap"]}), candles)
    expected = simulate(candles, warmup=W)
    assert len(expected) >= 4
    assert trades(report) == expected
