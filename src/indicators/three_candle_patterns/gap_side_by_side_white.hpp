#pragma once
// Side-by-side white lines after a gap: two white candles of like size (neither body more than
// twice the other) opening near each other (within a tenth of the second range), the second's
// body gapping away from the first's: +1 above it, -1 below it.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct GapSideBySideWhiteRule {
    static double test(CandleRow<3> c);
};

using GapSideBySideWhite = CandlePattern<GapSideBySideWhiteRule, 3>;

}  // namespace prynox
