#pragma once
// Mid price: the midpoint of the highest high and the lowest low of the last p candles.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class MidPrice {
public:
    // The candle window's check (shared with WilliamsR and Donchian).
    static std::expected<MidPrice, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    // p
    std::uint64_t warmup_period() const { return extremes_.length(); }

private:
    explicit MidPrice(std::uint64_t period) : extremes_(period) {}

    // The highest high and lowest low of the window, as a scan would find them.
    HighLowExtremes extremes_;
};

}  // namespace prynox
