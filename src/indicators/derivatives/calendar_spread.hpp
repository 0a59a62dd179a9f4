#pragma once
// Premium of the futures price over the mark price, as a fraction of the mark.
#include "indicators/cores/tick_formula.hpp"

namespace prynox {

struct CalendarSpreadRule {
    static double apply(const DerivativesTick& t) { return (t.futures_price - t.mark_price) / t.mark_price; }
};

using CalendarSpread = TickFormula<CalendarSpreadRule>;

}  // namespace prynox
