#pragma once
// Premium of the mark price over the index, as a fraction of the index.
#include "indicators/cores/tick_formula.hpp"

namespace prynox {

struct FundingBasisRule {
    static double apply(const DerivativesTick& t) { return (t.mark_price - t.index_price) / t.index_price; }
};

using FundingBasis = TickFormula<FundingBasisRule>;

}  // namespace prynox
