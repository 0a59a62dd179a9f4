#pragma once
// Stalled pattern: two long rising white candles, then a small white candle (body at most 0.3 of
// its range) opening near the second close (no lower than a tenth of the second range below it).
// Bearish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct StalledPatternRule {
    static double test(CandleRow<3> c);
};

using StalledPattern = CandlePattern<StalledPatternRule, 3>;

}  // namespace prynox
