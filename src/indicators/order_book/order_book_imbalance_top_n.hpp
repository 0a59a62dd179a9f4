#pragma once
// (B - A) / (B + A) over the first n levels of each side (all of a shorter side); 0 when both
// are empty or hold no size.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class OrderBookImbalanceTopN {
public:
    // Window check on the level count.
    static std::expected<OrderBookImbalanceTopN, IndicatorError> create(std::uint64_t levels);

    // Depths whose total is not finite give no value.
    OptionalValue update_book(const OrderBook& book) const;
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit OrderBookImbalanceTopN(std::uint64_t levels) : levels_(levels) {}

    std::uint64_t levels_;
};

}  // namespace prynox
