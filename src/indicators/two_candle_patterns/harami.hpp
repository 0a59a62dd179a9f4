#pragma once
// Harami: a current body strictly smaller than the previous one, of the other colour and inside
// it (ends may meet). +1 white inside black, -1 black inside white; either body zero gives 0.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct HaramiRule {
    static double test(CandleRow<2> c);
};

using Harami = CandlePattern<HaramiRule, 2>;

}  // namespace prynox
