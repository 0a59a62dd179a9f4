#pragma once
// Gravestone doji: a doji body (at most a tenth of the range) with an upper shadow of at least
// half the range and a lower shadow of at most a tenth. Bearish.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct GravestoneDojiRule {
    static double test(CandleRow<1> c);
};

using GravestoneDoji = CandlePattern<GravestoneDojiRule, 1>;

}  // namespace prynox
