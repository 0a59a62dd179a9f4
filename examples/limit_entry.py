"""A long limit entry: when the close is above its 50-bar mean, bid 0.5 % below the close and wait
for the price to come down to it; sell on a close below the mean."""

import json

from prynox_impact import Impact
from synthetic import market, summary

spec = {
    "strategy": {
        "symbol": "SYNTH",
        "timeframe": "1h",
        "indicators": {"mean": {"type": "Sma", "params": [50]}},
        "entry": {"gt": [{"price": "close"}, "mean"]},
        "exit": {"lt": [{"price": "close"}, "mean"]},
        "sizing": {"type": "fixed_cash", "cash": 20_000},
        "costs": {"maker_bps": 1, "taker_bps": 5},         # limit entries pay the maker fee
        "execution": {"order_type": "limit", "limit_offset_pct": -0.5},  # negative: below the close
    },
    "book_model": {"kind": "orderbook_walk", "levels": 3},
}

data = market(1500)
answer = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": data})))
if "report" not in answer:
    raise SystemExit(f"run failed: {answer}")
report = answer["report"]
print(summary(report))
print(f"fees_paid={report['fees_paid']:.2f}")
first = report["trades"][0] if report["trades"] else None
if first:
    print(f"first entry at {first['entry_price']:.4f}, qty {first['qty']:.4f}")
