#pragma once
// Two crows: a white candle, a black candle closing above it, then a black candle opening inside
// the second body and closing inside the first. Bearish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct TwoCrowsRule {
    static double test(CandleRow<3> c);
};

using TwoCrows = CandlePattern<TwoCrowsRule, 3>;

}  // namespace prynox
