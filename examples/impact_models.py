"""One strategy over the same order books with each book model: the order-book walk, linear
impact and square-root impact. Orders are large against the books, so impact shows, and they
vary in size, so it shows growing with the order up to the participation cap."""

import json

from prynox_impact import Impact
from synthetic import market, summary

strategy = {
    "symbol": "SYNTH",
    "timeframe": "1h",
    "indicators": {"fast": {"type": "Ema", "params": [12]}, "slow": {"type": "Sma", "params": [48]}},
    "entry": {"cross_above": ["fast", "slow"]},
    "exit": {"cross_below": ["fast", "slow"]},
    # 13 % of the cash is about 130 units at the start, near the cap below: most entries fit
    # under it, a few are cut.
    "sizing": {"type": "fixed_fraction", "fraction": 0.13},
    "costs": {"taker_bps": 5},
}
# Each book holds 20 + 40 + 60 + 80 + 100 = 300 units of asks; a cap of 0.5 lets an order take 150.
data = market(2000, depth=20.0)
bar = {c["time"]: k for k, c in enumerate(data["candles"])}


def run(strategy, model):
    spec = {"strategy": strategy, "book_model": model, "participation_cap": 0.5}
    answer = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": data})))
    if "report" not in answer:
        raise SystemExit(f"run failed: {answer}")
    return answer


def entries(report):
    """(quantity, slippage in bps from the mid of the entry bar's book) of each entry, smallest first."""
    fills = []
    for t in report["trades"]:
        book = data["books"][bar[t["entry_time"]]]
        mid = (book["bids"][0][0] + book["asks"][0][0]) / 2
        fills.append((t["qty"], (t["entry_price"] - mid) / mid * 10_000))
    return sorted(fills)


for model in ({"kind": "orderbook_walk"}, {"kind": "linear_impact", "coef": 0.01},
              {"kind": "square_root", "coef": 0.01}):
    answer = run(strategy, model)
    stats = answer["impact_stats"]
    print(f"{model['kind']}: {summary(answer['report'])} avg_slippage_bps={stats['avg_slippage_bps']:.2f} "
          f"partially_filled={stats['orders_partially_filled']}")
    fills = entries(answer["report"])
    (q_small, bps_small), (q_large, bps_large) = fills[0], fills[-1]
    print(f"  smallest entry {q_small:.1f} units: {bps_small:.2f} bps; largest {q_large:.1f} units: {bps_large:.2f} bps")

# The same strategy with fixed quantities: square-root impact is 0.01 x sqrt(q / 300), until the
# cap cuts the order to 150 units (300 is filled as 150 and pays what 150 pays).
print("square_root by order size:")
for qty in (15, 60, 150, 300):
    answer = run(dict(strategy, sizing={"type": "fixed_qty", "qty": qty}), {"kind": "square_root", "coef": 0.01})
    filled, bps = entries(answer["report"])[0]  # every entry of the run is the same
    print(f"  qty={qty}: filled {filled:.1f} units, slippage={bps:.2f} bps, "
          f"partially_filled={answer['impact_stats']['orders_partially_filled']}")

# The impact models read the depth from the books: without books no entry fills.
spec = {"strategy": strategy, "book_model": {"kind": "linear_impact", "coef": 0.01}}
no_books = {"candles": data["candles"], "capital": data["capital"]}
answer = json.loads(Impact(json.dumps(spec)).command(json.dumps({"cmd": "run", "data": no_books})))
print(f"linear_impact without books: trades={answer['report']['metrics']['num_trades']}")
