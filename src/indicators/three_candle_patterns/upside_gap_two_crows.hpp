#pragma once
// Upside gap two crows: a white candle, a black candle closing above it, then a larger black
// candle engulfing the second (opening above it, closing below it) but still closing above the
// first close. Bearish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct UpsideGapTwoCrowsRule {
    static double test(CandleRow<3> c);
};

using UpsideGapTwoCrows = CandlePattern<UpsideGapTwoCrowsRule, 3>;

}  // namespace prynox
