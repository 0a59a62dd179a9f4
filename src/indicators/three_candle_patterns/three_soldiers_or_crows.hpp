#pragma once
// Three white soldiers and three black crows: three candles of one colour whose closes advance,
// each opening within the body before it (both ends included): +1 white and rising, -1 black and
// falling. The three-line strike reads its first three candles with this rule.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct ThreeSoldiersOrCrowsRule {
    static double test(CandleRow<3> c);
};

using ThreeSoldiersOrCrows = CandlePattern<ThreeSoldiersOrCrowsRule, 3>;

}  // namespace prynox
