#pragma once
// Premium of the futures price over the index, as a fraction of the index.
#include "indicators/cores/tick_formula.hpp"

namespace prynox {

struct TermStructureBasisRule {
    static double apply(const DerivativesTick& t) { return (t.futures_price - t.index_price) / t.index_price; }
};

using TermStructureBasis = TickFormula<TermStructureBasisRule>;

}  // namespace prynox
