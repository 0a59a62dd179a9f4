"""An RSI threshold strategy: buy when the 14-bar RSI crosses up through 30, sell when it rises
above 70 or after 48 bars, filled at the signal bar's close."""

import json

from prynox_impact import Impact
from synthetic import market, summary

spec = {
    "strategy": {
        "symbol": "SYNTH",
        "timeframe": "1h",
        "indicators": {"rsi": {"type": "Rsi", "params": [14]}},
        "entry": {"cross_above": ["rsi", 30]},
        "exit": {"any": [{"gt": ["rsi", 70]}, {"bars_since_entry": {"ge": 48}}]},
        "sizing": {"type": "fixed_fraction", "fraction": 0.25},
        "costs": {"taker_bps": 4},
        "execution": {"fill_timing": "close"},
    },
    "book_model": {"kind": "square_root", "coef": 0.02},
}

answer = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": market(3000)})))
if "report" not in answer:
    raise SystemExit(f"run failed: {answer}")
report = answer["report"]
print(summary(report))
print(f"win_rate={report['metrics']['win_rate']:.1f} profit_factor={report['metrics']['profit_factor']}")
