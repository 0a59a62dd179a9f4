"""Short-selling only: sell when the fast EMA crosses below the slow one, buy back on the opposite
cross, with a 2 % stop-loss and a 4 % take-profit."""

import collections
import json

from prynox_impact import Impact
from synthetic import market, summary

spec = {
    "strategy": {
        "symbol": "SYNTH",
        "timeframe": "1h",
        "indicators": {"fast": {"type": "Ema", "params": [10]}, "slow": {"type": "Ema", "params": [30]}},
        "entry": {"any": []},                               # never go long
        "exit": {"any": []},
        "short_entry": {"cross_below": ["fast", "slow"]},
        "short_exit": {"cross_above": ["fast", "slow"]},
        "sizing": {"type": "fixed_fraction", "fraction": 0.5},
        "costs": {"taker_bps": 5},
        "risk": {"stop_loss_pct": 2, "take_profit_pct": 4},  # percent of the entry price
    },
    "book_model": {"kind": "orderbook_walk"},
}

answer = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": market(1500)})))
if "report" not in answer:
    raise SystemExit(f"run failed: {answer}")
report = answer["report"]
print(summary(report))
print("all short:", all(t["qty"] < 0 for t in report["trades"]))
print("exits by reason:", dict(collections.Counter(t["reason"] for t in report["trades"])))
