"""Backtests a crossover strategy on a synthetic random walk and prints the headline figures."""

import json
import math
import random

from prynox_impact import Impact


def candles(n, seed=7):
    rng = random.Random(seed)
    price = 100.0
    out = []
    for k in range(n):
        open_ = price
        price *= math.exp(rng.gauss(0.0002, 0.01))
        high = max(open_, price) * (1 + abs(rng.gauss(0, 0.002)))
        low = min(open_, price) * (1 - abs(rng.gauss(0, 0.002)))
        out.append({"time": k * 3_600_000, "open": open_, "high": high, "low": low, "close": price,
                    "volume": 1000 + rng.random() * 500})
    return out


spec = {
    "strategy": {
        "symbol": "SYNTH",
        "timeframe": "1h",
        "indicators": {},
        "entry": {"gt": [{"price": "close"}, {"mul": [{"prev": [{"price": "close"}, 3]}, 1.01]}]},
        "exit": {"lt": [{"price": "close"}, {"prev": [{"price": "close"}, 3]}]},
        "sizing": {"type": "fixed_fraction", "fraction": 0.5},
        "costs": {"taker_bps": 5},
        "risk": {"stop_loss_pct": 3},
    },
    "book_model": {"kind": "square_root", "coef": 0.1},
    "participation_cap": 0.1,
}

handle = Impact(json.dumps(spec))
answer = json.loads(handle.command(json.dumps({"cmd": "run", "data": {"candles": candles(2000)}})))
if "report" not in answer:
    raise SystemExit(f"run failed: {answer}")
report = answer["report"]
m = report["metrics"]
print(f"{report['symbol']} {report['timeframe']}: {m['num_trades']} trades, pnl {m['pnl']:.2f}, "
      f"return {m['return_pct']:.2f} %, max drawdown {m['max_drawdown']:.2f}, sharpe {m['sharpe']}")
print("impact:", answer["impact_stats"])
