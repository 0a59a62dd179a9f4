#pragma once
// Morning and evening star: a small middle body (at most half of each outer body) beyond the
// first close, the outer candles of opposite colours, the third closing back into the first body
// by more than 0.3 of it: +1 (morning) after a black first candle, -1 (evening) after a white one.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct MorningEveningStarRule {
    static double test(CandleRow<3> c);
};

using MorningEveningStar = CandlePattern<MorningEveningStarRule, 3>;

}  // namespace prynox
