#pragma once
// Open interest over the bar's taker volume (buys plus sells); 0 without taker volume. A taker
// volume whose sum overflows gives no value rather than a ratio of 0.
#include <limits>

#include "indicators/cores/tick_formula.hpp"

namespace prynox {

struct OiToVolumeRatioRule {
    static double apply(const DerivativesTick& t) {
        double volume = t.taker_buy_volume + t.taker_sell_volume;
        if (!(volume > 0.0)) return 0.0;
        if (volume == std::numeric_limits<double>::infinity()) [[unlikely]]
            return volume;  // not finite: no value
        return t.open_interest / volume;
    }
};

using OiToVolumeRatio = TickFormula<OiToVolumeRatioRule>;

}  // namespace prynox
