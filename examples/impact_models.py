"""One strategy over the same order books with each book model: the order-book walk, linear
impact and square-root impact. Orders are large against the books, so impact shows."""

import json

from prynox_impact import Impact
from synthetic import market, summary

strategy = {
    "symbol": "SYNTH",
    "timeframe": "1h",
    "indicators": {"fast": {"type": "Ema", "params": [12]}, "slow": {"type": "Sma", "params": [48]}},
    "entry": {"cross_above": ["fast", "slow"]},
    "exit": {"cross_below": ["fast", "slow"]},
    "sizing": {"type": "fixed_fraction", "fraction": 0.5},
    "costs": {"taker_bps": 5},
}
data = market(2000, depth=20.0)

for model in ({"kind": "orderbook_walk"}, {"kind": "linear_impact", "coef": 0.01},
              {"kind": "square_root", "coef": 0.01}):
    spec = {"strategy": strategy, "book_model": model, "participation_cap": 0.5}
    answer = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": data})))
    if "report" not in answer:
        raise SystemExit(f"run failed: {answer}")
    stats = answer["impact_stats"]
    print(f"{model['kind']}: {summary(answer['report'])} avg_slippage_bps={stats['avg_slippage_bps']:.2f} "
          f"partially_filled={stats['orders_partially_filled']}")

# The impact models read the depth from the books: without books no entry fills.
spec = {"strategy": strategy, "book_model": {"kind": "linear_impact", "coef": 0.01}}
no_books = {"candles": data["candles"], "capital": data["capital"]}
answer = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": no_books})))
print(f"linear_impact without books: trades={answer['report']['metrics']['num_trades']}")
