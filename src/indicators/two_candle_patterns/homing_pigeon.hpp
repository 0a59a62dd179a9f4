#pragma once
// HomingPigeon: a black candle whose body lies within the previous black body (ends may meet) and
// is strictly shorter. Bullish only (+1).
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct HomingPigeonRule {
    static double test(CandleRow<2> c);
};

using HomingPigeon = CandlePattern<HomingPigeonRule, 2>;

}  // namespace prynox
