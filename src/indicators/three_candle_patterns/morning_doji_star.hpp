#pragma once
// Morning doji star: a long black candle, a doji whose body lies below the first close, then a
// white candle above the doji's body closing into the first body by the penetration's share of it
// (0.3). Bullish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct MorningDojiStarRule {
    double penetration = 0.3;  // of the first body

    double test(CandleRow<3> c) const;
};

using MorningDojiStar = CandlePattern<MorningDojiStarRule, 3>;

}  // namespace prynox
