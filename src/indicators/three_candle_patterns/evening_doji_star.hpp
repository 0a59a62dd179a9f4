#pragma once
// Evening doji star: a long white candle, a doji whose body lies above the first close, then a
// black candle below the doji's body closing into the first body by the penetration's share of
// it (0.3). Bearish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct EveningDojiStarRule {
    double penetration = 0.3;  // of the first body

    double test(CandleRow<3> c) const;
};

using EveningDojiStar = CandlePattern<EveningDojiStarRule, 3>;

}  // namespace prynox
