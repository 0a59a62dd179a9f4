#pragma once
// Shooting star: the inverted hammer's shape (a body at the bottom, an upper shadow at least
// twice the body), read as bearish.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct ShootingStarRule {
    static double test(CandleRow<1> c);
};

using ShootingStar = CandlePattern<ShootingStarRule, 1>;

}  // namespace prynox
