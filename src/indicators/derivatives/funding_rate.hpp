#pragma once
// The tick's funding rate as it is.
#include "indicators/cores/tick_formula.hpp"

namespace prynox {

struct FundingRateRule {
    static double apply(const DerivativesTick& t) { return t.funding_rate; }
};

using FundingRate = TickFormula<FundingRateRule>;

}  // namespace prynox
