#pragma once
// Weighted close: the mean of high, low and the close counted twice.
// Stateless: every valid candle gives its value, the first included.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class WeightedClose {
public:
    static std::expected<WeightedClose, IndicatorError> create() { return WeightedClose(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
