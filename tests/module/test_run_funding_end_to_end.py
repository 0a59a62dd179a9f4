"""A perpetual-futures strategy over candles and derivatives ticks, run through Impact.command and
checked against a plain simulation: short when the funding-rate z-score is above 2, cover when it
falls below 0, with funding charged by the engine on every bar that holds the short."""

import math
import random

from plain_backtest import from_closes, run, strategy, trades

N = 160
PERIOD = 10


def market():
    rng = random.Random(42)
    closes, rates, marks, valid = [], [], [], []
    x = 100.0
    for i in range(N):
        x = round(x + rng.uniform(-1.5, 1.5), 2)
        closes.append(x)
        if 60 <= i < 75:
            rate = 0.0001  # a flat stretch: the z-score is exactly 0 there
        elif i % 17 == 9:
            rate = round(rng.uniform(0.002, 0.004), 6)  # a funding spike
        else:
            rate = round(rng.uniform(-0.0003, 0.0003), 6)
        rates.append(rate)
        marks.append(round(x + rng.uniform(-0.2, 0.2), 2))
        valid.append(i % 13 != 1)  # an index price of 0 fails the engine's tick check
    return closes, rates, marks, valid


def z_scores(rates, valid):
    """Per bar: the z-score of the funding rate over the last PERIOD accepted ticks, population
    deviation, 0 for a window of equal rates; None without a tick or before PERIOD ticks."""
    out, window = [], []
    for rate, ok in zip(rates, valid):
        if not ok:
            out.append(None)
            continue
        window = (window + [rate])[-PERIOD:]
        if len(window) < PERIOD:
            out.append(None)
            continue
        if all(v == rate for v in window):
            out.append(0.0)
            continue
        mean = sum(window) / PERIOD
        var = sum((v - mean) ** 2 for v in window) / PERIOD
        out.append((rate - mean) / math.sqrt(var))
    return out


def simulate(closes, opens, rates, marks, valid, z):
    """The engine's bar: fill a pending order at the open (a short sells at open - 0.5, covering
    buys at open + 0.5), charge funding on a valid tick while short, mark to the close, then read
    the rules once PERIOD bars have passed."""
    cash, qty, entry, pending = 100000.0, 0.0, None, None
    trades, equity = [], []
    for i in range(N):
        if pending == "short":
            price = opens[i] - 0.5
            cash -= -1.0 * price + 0.0
            qty, entry = -1.0, (i, price)
        elif pending == "cover":
            price = opens[i] + 0.5
            cash += qty * price - 0.0
            trades.append((entry[0], i, entry[1], price, "signal"))
            qty, entry = 0.0, None
        pending = None
        if valid[i] and qty != 0.0:
            cash -= rates[i] * (marks[i] * qty)
        equity.append(cash + qty * closes[i])
        if i >= PERIOD and z[i] is not None:
            if qty != 0.0 and z[i] < 0:
                pending = "cover"
            elif qty == 0.0 and z[i] > 2:
                pending = "short"
    if qty != 0.0:
        cash += qty * closes[-1]
        trades.append((entry[0], N - 1, entry[1], closes[-1], "end"))
    return trades, equity


def test_funding_z_score_shorts_match_a_plain_simulation():
    closes, rates, marks, valid = market()
    opens = [closes[0]] + closes[:-1]
    z = z_scores(rates, valid)
    # No z-score sits so near a threshold that the last bits of its sums could decide a signal.
    assert all(v is None or v == 0.0 or (abs(v) > 1e-9 and abs(v - 2) > 1e-9) for v in z)

    candles = from_closes(closes)
    derivs = [{"funding_rate": r, "mark_price": m, "index_price": m if ok else 0, "futures_price": m + 0.3,
               "open_interest": 5000, "long_size": 40, "short_size": 38, "taker_buy_volume": 10,
               "taker_sell_volume": 9, "long_liquidation": 0, "short_liquidation": 0, "timestamp": i}
              for i, (r, m, ok) in enumerate(zip(rates, marks, valid))]
    strat = strategy({"fz": {"type": "FundingRateZScore", "params": [PERIOD], "feed": "derivatives"}},
                     {"lt": ["fz", -1000]}, {"lt": ["fz", -1000]}, symbol="X-PERP",
                     short_entry={"gt": ["fz", 2]}, short_exit={"lt": ["fz", 0]}, costs={"funding": True})
    report = run(strat, candles, derivs=derivs)

    expected, equity = simulate(closes, opens, rates, marks, valid, z)
    assert len(expected) >= 3
    assert trades(report) == expected
    assert all(t["qty"] == -1.0 for t in report["trades"])
    # Funding moved the equity of every bar that held the short on a valid tick, exactly so.
    assert [e["equity"] for e in report["equity"]] == equity
    held = [i for i in range(N) if any(a <= i < b for a, b, *_ in expected)]
    assert sum(valid[i] for i in held) >= 5 and not all(valid[i] for i in held)
    # The refused ticks count: taking them would move the z-score, and the trades with it.
    assert simulate(closes, opens, rates, marks, valid, z_scores(rates, [True] * N))[0] != expected

    # Without funding, the same trades and a different equity.
    strat["costs"]["funding"] = False
    plain = run(strat, candles, derivs=derivs)
    assert [(t["entry_time"], t["exit_time"]) for t in plain["trades"]] == [t[:2] for t in expected]
    assert plain["equity"][-1]["equity"] != report["equity"][-1]["equity"]
