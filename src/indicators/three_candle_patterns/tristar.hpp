#pragma once
// Tristar: three dojis (ranged, bodies at most a tenth of their ranges), the middle one's body
// gapping away from the first's and the third turning back: -1 when the middle gaps up (tested
// first), +1 when it gaps down.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct TristarRule {
    static double test(CandleRow<3> c);
};

using Tristar = CandlePattern<TristarRule, 3>;

}  // namespace prynox
