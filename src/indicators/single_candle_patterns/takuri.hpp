#pragma once
// Takuri: a doji body (at most a tenth of the range) on top of a lower shadow of at least 70 %
// of the range, with at most 5 % above it. Bullish.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct TakuriRule {
    static double test(CandleRow<1> c);
};

using Takuri = CandlePattern<TakuriRule, 1>;

}  // namespace prynox
