#pragma once
// Unique three river: a long black candle, a black candle inside its open and close reaching a
// lower low, then a small white candle (body at most 0.3 of its range) whose whole range stays at
// or below the second close. Bullish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct UniqueThreeRiverRule {
    static double test(CandleRow<3> c);
};

using UniqueThreeRiver = CandlePattern<UniqueThreeRiverRule, 3>;

}  // namespace prynox
