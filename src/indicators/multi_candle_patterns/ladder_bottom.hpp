#pragma once
// Ladder bottom: three black candles with falling opens and closes, a black fourth with an upper
// shadow, then a white fifth opening above the fourth open and closing above its high. Bullish
// only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct LadderBottomRule {
    static double test(CandleRow<5> c);
};

using LadderBottom = CandlePattern<LadderBottomRule, 5>;

}  // namespace prynox
