#pragma once
// OnNeck: after a long black candle, a white one opening below its low that closes at the black
// candle's low, within 0.05 of its range. Bearish only (-1).
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct OnNeckRule {
    static double test(CandleRow<2> c);
};

using OnNeck = CandlePattern<OnNeckRule, 2>;

}  // namespace prynox
