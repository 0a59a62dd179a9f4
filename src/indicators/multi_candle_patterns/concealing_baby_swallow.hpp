#pragma once
// Concealing baby swallow: two black candles without shadows (each at most 0.05 of the range), a
// black candle gapping down whose high reaches into the second body, then a black candle opening
// above the third high and closing below its low. Bullish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct ConcealingBabySwallowRule {
    static double test(CandleRow<4> c);
};

using ConcealingBabySwallow = CandlePattern<ConcealingBabySwallowRule, 4>;

}  // namespace prynox
