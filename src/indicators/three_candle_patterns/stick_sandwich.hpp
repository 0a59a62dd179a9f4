#pragma once
// Stick sandwich: a white candle between two black ones, its low above the first close, the third
// closing where the first closed (within a tenth of the first range). Bullish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct StickSandwichRule {
    static double test(CandleRow<3> c);
};

using StickSandwich = CandlePattern<StickSandwichRule, 3>;

}  // namespace prynox
