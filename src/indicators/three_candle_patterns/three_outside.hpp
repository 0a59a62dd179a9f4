#pragma once
// Three outside up and down: an engulfing (a larger body of the other colour around the first
// body), confirmed by a third candle closing beyond the second close: +1 after a black first
// candle, -1 after a white one.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct ThreeOutsideRule {
    static double test(CandleRow<3> c);
};

using ThreeOutside = CandlePattern<ThreeOutsideRule, 3>;

}  // namespace prynox
