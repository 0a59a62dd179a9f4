#pragma once
// TD Differential: buying pressure (close less true low) and selling pressure (true high less
// close) of the bar against those of the previous bar. +1 on two lower closes while buying
// pressure rises and selling pressure falls, -1 on two higher closes while buying pressure falls
// and selling pressure rises.
// A pattern over 3 candles: its first value comes on the third valid candle.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/pattern_signal.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdDifferential {
public:
    static std::expected<TdDifferential, IndicatorError> create() { return TdDifferential{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return PatternCandles<3>::warmup_period(); }

private:
    PatternCandles<3> candles_;
};

}  // namespace prynox
