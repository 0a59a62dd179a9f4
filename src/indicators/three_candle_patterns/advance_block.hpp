#pragma once
// Advance block: three rising white candles, each opening within the body before it, with
// shrinking bodies and a third candle that keeps an upper shadow at least the second's. Bearish
// only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct AdvanceBlockRule {
    static double test(CandleRow<3> c);
};

using AdvanceBlock = CandlePattern<AdvanceBlockRule, 3>;

}  // namespace prynox
