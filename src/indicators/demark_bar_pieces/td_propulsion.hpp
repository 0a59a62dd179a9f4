#pragma once
// TD Propulsion: +1 when the bar opens at or above the previous close and closes above the
// previous high, -1 when it opens at or below the previous close and closes below the previous low.
// A pattern over 2 candles: its first value comes on the second valid candle.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/pattern_signal.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdPropulsion {
public:
    static std::expected<TdPropulsion, IndicatorError> create() { return TdPropulsion{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return PatternCandles<2>::warmup_period(); }

private:
    PatternCandles<2> candles_;
};

}  // namespace prynox
