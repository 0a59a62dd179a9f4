#pragma once
// Upside gap three methods: two white candles with a gap between their bodies, then a black
// candle opening inside the second body and closing inside the first. Bullish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct UpsideGapThreeMethodsRule {
    static double test(CandleRow<3> c);
};

using UpsideGapThreeMethods = CandlePattern<UpsideGapThreeMethodsRule, 3>;

}  // namespace prynox
