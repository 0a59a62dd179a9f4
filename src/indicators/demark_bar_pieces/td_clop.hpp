#pragma once
// TD CLOP: the bar opens beyond the previous open and close on one side and closes beyond
// both on the other: +1 opening below both and closing above both, -1 the mirror.
// A pattern over 2 candles: its first value comes on the second valid candle.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/pattern_signal.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdClop {
public:
    static std::expected<TdClop, IndicatorError> create() { return TdClop{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return PatternCandles<2>::warmup_period(); }

private:
    PatternCandles<2> candles_;
};

}  // namespace prynox
