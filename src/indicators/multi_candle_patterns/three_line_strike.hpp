#pragma once
// Three-line strike: three white soldiers or three black crows, then a fourth candle of the other
// colour opening beyond the third close and closing beyond the first open: +1 for rising white
// candles struck down, -1 for falling black candles struck up.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct ThreeLineStrikeRule {
    static double test(CandleRow<4> c);
};

using ThreeLineStrike = CandlePattern<ThreeLineStrikeRule, 4>;

}  // namespace prynox
