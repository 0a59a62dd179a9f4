// Registry rows of the order-book and trade-and-quote types.
#include "core/registry/families.hpp"
#include "indicators/order_book/depth_slope.hpp"
#include "indicators/order_book/effective_spread.hpp"
#include "indicators/order_book/kyles_lambda.hpp"
#include "indicators/order_book/microprice.hpp"
#include "indicators/order_book/order_book_imbalance_full.hpp"
#include "indicators/order_book/order_book_imbalance_top1.hpp"
#include "indicators/order_book/order_book_imbalance_top_n.hpp"
#include "indicators/order_book/order_flow_imbalance.hpp"
#include "indicators/order_book/quoted_spread.hpp"
#include "indicators/order_book/realized_spread.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"DepthSlope", DepthSlope::create>(),
    row<"EffectiveSpread", EffectiveSpread::create>(),
    row<"KylesLambda", KylesLambda::create>(),
    row<"Microprice", Microprice::create>(),
    row<"OrderBookImbalanceFull", OrderBookImbalanceFull::create>(),
    row<"OrderBookImbalanceTop1", OrderBookImbalanceTop1::create>(),
    row<"OrderBookImbalanceTopN", OrderBookImbalanceTopN::create>(),
    row<"OrderFlowImbalance", OrderFlowImbalance::create>(),
    row<"QuotedSpread", QuotedSpread::create>(),
    row<"RealizedSpread", RealizedSpread::create>(),
};

}  // namespace

std::span<const BuilderRow> order_book() { return kRows; }

}  // namespace prynox::registry_family
