#pragma once
// TD Open: +1 when the bar opens below the previous low and trades back above it, -1 when it
// opens above the previous high and trades back below it.
// A pattern over 2 candles: its first value comes on the second valid candle.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/pattern_signal.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdOpen {
public:
    static std::expected<TdOpen, IndicatorError> create() { return TdOpen{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return PatternCandles<2>::warmup_period(); }

private:
    PatternCandles<2> candles_;
};

}  // namespace prynox
