#pragma once
// Mat hold: a long white candle, three small bodies (at most half the first body, of either
// colour) the first of which gaps above the first close, their lows holding above the first close
// less the penetration's share of the first body (0.5), then a white candle closing above every
// high before it. Bullish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct MatHoldRule {
    double penetration = 0.5;  // of the first body

    double test(CandleRow<5> c) const;
};

using MatHold = CandlePattern<MatHoldRule, 5>;

}  // namespace prynox
