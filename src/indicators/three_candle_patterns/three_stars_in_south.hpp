#pragma once
// Three stars in the south: a long black candle with a long lower shadow, a smaller black candle
// opening within the first body with a higher low, then a small black candle inside the second
// range without shadows (up to the tolerance, 0.001 of the larger magnitude of its high and low).
// Bullish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct ThreeStarsInSouthRule {
    double tolerance = 0.001;  // of the larger magnitude of the third candle's high and low

    double test(CandleRow<3> c) const;
};

using ThreeStarsInSouth = CandlePattern<ThreeStarsInSouthRule, 3>;

}  // namespace prynox
