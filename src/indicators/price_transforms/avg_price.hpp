#pragma once
// Average price: the mean of the candle's four prices, added open, high, low, close.
// Stateless: every valid candle gives its value, the first included.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AvgPrice {
public:
    static std::expected<AvgPrice, IndicatorError> create() { return AvgPrice(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
