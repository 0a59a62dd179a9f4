#pragma once
// Three inside up and down: a harami (a smaller body of the other colour within the first body),
// confirmed by a third candle closing beyond the first open: +1 after a black first candle, -1
// after a white one.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct ThreeInsideRule {
    static double test(CandleRow<3> c);
};

using ThreeInside = CandlePattern<ThreeInsideRule, 3>;

}  // namespace prynox
