#pragma once
// Long positioning over short positioning; 0 while there are no shorts.
#include "indicators/cores/tick_formula.hpp"

namespace prynox {

struct LongShortRatioRule {
    static double apply(const DerivativesTick& t) { return ratio_or_zero(t.long_size, t.short_size); }
};

using LongShortRatio = TickFormula<LongShortRatioRule>;

}  // namespace prynox
