#pragma once
// Identical three crows: three falling black candles, each opening at the close before it up to
// the tolerance (0.001 of the larger magnitude of the two prices). Bearish only.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct IdenticalThreeCrowsRule {
    double tolerance = 0.001;  // of the larger magnitude of an open and the close before it

    double test(CandleRow<3> c) const;
};

using IdenticalThreeCrows = CandlePattern<IdenticalThreeCrowsRule, 3>;

}  // namespace prynox
