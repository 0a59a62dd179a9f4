#pragma once
// (B - A) / (B + A) over every level of both sides; 0 when both are empty or hold no size.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class OrderBookImbalanceFull {
public:
    static std::expected<OrderBookImbalanceFull, IndicatorError> create() { return OrderBookImbalanceFull(); }

    // Depths whose total is not finite give no value.
    OptionalValue update_book(const OrderBook& book) const;
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
