#pragma once
// Falling three methods: a long black candle (body at least half its range), three small white
// candles (bodies at most half the first) with rising closes, their bodies reaching into the first
// range, then a long black candle opening below the fourth close and closing below the first.
// Bearish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct FallingThreeMethodsRule {
    static double test(CandleRow<5> c);
};

using FallingThreeMethods = CandlePattern<FallingThreeMethodsRule, 5>;

}  // namespace prynox
