#pragma once
// How fast depth builds away from the mid: on each side the least-squares slope of cumulative
// size on distance from the mid, over the side's levels; the value is the mean of the two slopes.
// 0 when either side has fewer than two levels.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class DepthSlope {
public:
    static std::expected<DepthSlope, IndicatorError> create() { return DepthSlope(); }

    // Sums or a slope that are not finite (sizes or prices too large) give no value.
    OptionalValue update_book(const OrderBook& book) const;
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
