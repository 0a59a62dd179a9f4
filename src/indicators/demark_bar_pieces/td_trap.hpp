#pragma once
// TD Trap: after an inside bar (its high below and its low above the bar before it), +1 when
// the bar closes above the inside bar's high, -1 when it closes below its low.
// A pattern over 3 candles: its first value comes on the third valid candle.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/pattern_signal.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdTrap {
public:
    static std::expected<TdTrap, IndicatorError> create() { return TdTrap{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return PatternCandles<3>::warmup_period(); }

private:
    PatternCandles<3> candles_;
};

}  // namespace prynox
