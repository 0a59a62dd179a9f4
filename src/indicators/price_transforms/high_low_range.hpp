#pragma once
// High-low range: the bar's range relative to its close; 0 on a zero close.
// Stateless: every valid candle gives its value, the first included.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class HighLowRange {
public:
    static std::expected<HighLowRange, IndicatorError> create() { return HighLowRange(); }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
