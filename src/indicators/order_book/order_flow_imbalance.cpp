#include "indicators/order_book/order_flow_imbalance.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<OrderFlowImbalance, IndicatorError> OrderFlowImbalance::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return OrderFlowImbalance(period);
}

std::uint64_t OrderFlowImbalance::warmup_period() const { return sat_add(flows_.length(), 1); }

OptionalValue OrderFlowImbalance::update_book(const OrderBook& book) {
    if (book.bids.empty() || book.asks.empty()) return {};
    const Level bid = book.bids.front(), ask = book.asks.front();
    if (!primed_) {
        bid_ = bid, ask_ = ask, primed_ = true;
        return {};
    }
    const auto at = [](bool holds) { return holds ? 1.0 : 0.0; };
    const double e = (bid.size * at(bid.price >= bid_.price) - bid_.size * at(bid.price <= bid_.price)) -
                     (ask.size * at(ask.price <= ask_.price) - ask_.size * at(ask.price >= ask_.price));
    const bool taken = std::isfinite(e) && flows_.push(e);
    bid_ = bid, ask_ = ask;
    if (!taken) [[unlikely]]
        return {};
    if (!flows_.full()) return {};
    return flows_.sum();
}

}  // namespace prynox
