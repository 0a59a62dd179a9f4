#pragma once
// Williams %R: where the close stands in the range of the last n candles, from -100 (at the
// lowest low) to 0 (at the highest high); -50 on a window without range. The extremes of the
// window come from HighLowExtremes in O(1) per candle; its storage grows with the data up to n.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class WilliamsR {
public:
    // Window check on the period.
    static std::expected<WilliamsR, IndicatorError> create(std::uint64_t period);

    // A candle the window cannot make room for gives nothing and changes nothing.
    OptionalValue update_candle(const Candle& c);
    // n
    std::uint64_t warmup_period() const { return extremes_.length(); }

private:
    explicit WilliamsR(std::uint64_t period) : extremes_(period) {}
    // The highest high and lowest low by the total order (+0 above -0).
    HighLowExtremes extremes_;
};

}  // namespace prynox
