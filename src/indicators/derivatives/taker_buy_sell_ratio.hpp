#pragma once
// Taker buy volume over taker sell volume; 0 without taker sells.
#include "indicators/cores/tick_formula.hpp"

namespace prynox {

struct TakerBuySellRatioRule {
    static double apply(const DerivativesTick& t) { return ratio_or_zero(t.taker_buy_volume, t.taker_sell_volume); }
};

using TakerBuySellRatio = TickFormula<TakerBuySellRatioRule>;

}  // namespace prynox
