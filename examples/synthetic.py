"""A synthetic market for the examples: hourly candles of a random walk, each with an order book."""

import math
import random


def market(n, seed=7, drift=0.0, vol=0.01, depth=50.0):
    """`n` candles (times in milliseconds) and a five-level book around each open."""
    rng = random.Random(seed)
    price = 100.0
    candles, books = [], []
    for k in range(n):
        open_ = price
        price *= math.exp(rng.gauss(drift, vol))
        high = max(open_, price) * (1 + abs(rng.gauss(0, vol / 5)))
        low = min(open_, price) * (1 - abs(rng.gauss(0, vol / 5)))
        candles.append({"time": k * 3_600_000, "open": open_, "high": high, "low": low, "close": price,
                        "volume": 1000 + rng.random() * 500})
        tick = open_ * 0.0005
        books.append({"bids": [[open_ - tick * (j + 1), depth * (1 + j)] for j in range(5)],
                      "asks": [[open_ + tick * (j + 1), depth * (1 + j)] for j in range(5)]})
    return {"candles": candles, "books": books, "capital": 100_000}


def summary(report):
    """One line of headline figures; the examples' test reads `trades=`."""
    m = report["metrics"]
    return (f"trades={m['num_trades']} pnl={m['pnl']:.2f} return_pct={m['return_pct']:.2f} "
            f"max_drawdown={m['max_drawdown']:.2f} sharpe={m['sharpe']:.4f}")
