#pragma once
// TD CLOPWIN: the bar opens and closes within the previous bar's body (its ends included):
// +1 when it closes at or above its open, -1 below it.
// A pattern over 2 candles: its first value comes on the second valid candle.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/pattern_signal.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdClopwin {
public:
    static std::expected<TdClopwin, IndicatorError> create() { return TdClopwin{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return PatternCandles<2>::warmup_period(); }

private:
    PatternCandles<2> candles_;
};

}  // namespace prynox
