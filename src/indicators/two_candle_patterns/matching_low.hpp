#pragma once
// MatchingLow: two black candles closing at about the same price, within 0.05 of the middle of
// their two ranges. Bullish only (+1).
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct MatchingLowRule {
    static double test(CandleRow<2> c);
};

using MatchingLow = CandlePattern<MatchingLowRule, 2>;

}  // namespace prynox
