"""Backtests a moving-average crossover on a synthetic market and prints the headline figures."""

import json
import math
import random

from prynox_impact import Impact


def market(n, seed=7):
    """Hourly candles of a random walk, each with a five-level order book around its open."""
    rng = random.Random(seed)
    price = 100.0
    candles, books = [], []
    for k in range(n):
        open_ = price
        price *= math.exp(rng.gauss(0.0002, 0.01))
        high = max(open_, price) * (1 + abs(rng.gauss(0, 0.002)))
        low = min(open_, price) * (1 - abs(rng.gauss(0, 0.002)))
        candles.append({"time": k * 3_600_000, "open": open_, "high": high, "low": low, "close": price,
                        "volume": 1000 + rng.random() * 500})
        tick = open_ * 0.0005
        books.append({"bids": [[open_ - tick * (j + 1), 50 + 30 * j] for j in range(5)],
                      "asks": [[open_ + tick * (j + 1), 50 + 30 * j] for j in range(5)]})
    return {"candles": candles, "books": books, "capital": 100_000}


spec = {
    "strategy": {
        "symbol": "SYNTH",
        "timeframe": "1h",
        "indicators": {"fast": {"type": "Ema", "params": [12]}, "slow": {"type": "Sma", "params": [48]}},
        "entry": {"cross_above": ["fast", "slow"]},
        "exit": {"cross_below": ["fast", "slow"]},
        "sizing": {"type": "fixed_fraction", "fraction": 0.5},
        "costs": {"taker_bps": 5},
        "risk": {"stop_loss_pct": 3},
    },
    "book_model": {"kind": "square_root", "coef": 0.01},
    "participation_cap": 0.25,
}

handle = Impact(json.dumps(spec))
answer = json.loads(handle.command(json.dumps({"cmd": "run", "data": market(2000)})))
if "report" not in answer:
    raise SystemExit(f"run failed: {answer}")
report = answer["report"]
m = report["metrics"]
print(f"{report['symbol']} {report['timeframe']}: {m['num_trades']} trades, pnl {m['pnl']:.2f}, "
      f"return {m['return_pct']:.2f} %, max drawdown {m['max_drawdown']:.2f}, sharpe {m['sharpe']}")
print("impact:", answer["impact_stats"])
