#pragma once
// Hanging man: the hammer's shape (a body at the top, a lower shadow at least twice the body),
// read as bearish.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct HangingManRule {
    static double test(CandleRow<1> c);
};

using HangingMan = CandlePattern<HangingManRule, 1>;

}  // namespace prynox
