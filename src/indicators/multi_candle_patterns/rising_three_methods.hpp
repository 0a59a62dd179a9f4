#pragma once
// Rising three methods: a long white candle (body at least half its range), three small black
// candles (bodies at most half the first) with falling closes, their bodies reaching into the
// first range, then a long white candle opening above the fourth close and closing above the
// first. Bullish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct RisingThreeMethodsRule {
    static double test(CandleRow<5> c);
};

using RisingThreeMethods = CandlePattern<RisingThreeMethodsRule, 5>;

}  // namespace prynox
