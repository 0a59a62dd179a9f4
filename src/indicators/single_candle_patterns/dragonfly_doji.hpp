#pragma once
// Dragonfly doji: a doji body (at most a tenth of the range) with a lower shadow of at least
// half the range and an upper shadow of at most a tenth. Bullish.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct DragonflyDojiRule {
    static double test(CandleRow<1> c);
};

using DragonflyDoji = CandlePattern<DragonflyDojiRule, 1>;

}  // namespace prynox
