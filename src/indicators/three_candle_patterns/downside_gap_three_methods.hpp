#pragma once
// Downside gap three methods: two black candles with a gap between their bodies, then a white
// candle opening inside the second body and closing inside the first. Bearish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct DownsideGapThreeMethodsRule {
    static double test(CandleRow<3> c);
};

using DownsideGapThreeMethods = CandlePattern<DownsideGapThreeMethodsRule, 3>;

}  // namespace prynox
