#pragma once
// Abandoned baby: a doji (body within the tolerance's share, 0.001, of its larger price) gapping
// away from the first candle's range, then a candle gapping back the other way: +1 after a black
// first candle, -1 after a white one.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct AbandonedBabyRule {
    double tolerance = 0.001;  // of the larger magnitude of the doji's open and close

    double test(CandleRow<3> c) const;
};

using AbandonedBaby = CandlePattern<AbandonedBabyRule, 3>;

}  // namespace prynox
