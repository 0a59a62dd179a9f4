#pragma once
// (b - a) / (b + a) of the best bid and ask sizes; 0 with an empty side or no size at the top.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class OrderBookImbalanceTop1 {
public:
    static std::expected<OrderBookImbalanceTop1, IndicatorError> create() { return OrderBookImbalanceTop1(); }

    // Sizes whose total is not finite give no value (the ratio would read 0 or NaN).
    OptionalValue update_book(const OrderBook& book) const;
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
