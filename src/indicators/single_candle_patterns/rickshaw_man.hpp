#pragma once
// Rickshaw man: a long-legged doji whose body sits in the middle fifth of the range (the middle
// of the body between 40 % and 60 % of the range above the low). Reported as +1.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct RickshawManRule {
    static double test(CandleRow<1> c);
};

using RickshawMan = CandlePattern<RickshawManRule, 1>;

}  // namespace prynox
