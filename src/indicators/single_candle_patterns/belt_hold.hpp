#pragma once
// Belt hold: a body of at least half the range that opens on (within the threshold's share of
// the range, 0.05, of) its end of the bar: +1 rising from the low, -1 falling from the high.
#include "core/model/market.hpp"
#include "indicators/cores/candle_pattern.hpp"

namespace prynox {

struct BeltHoldRule {
    double threshold = 0.05;  // of the range

    double test(CandleRow<1> c) const;
};

using BeltHold = CandlePattern<BeltHoldRule, 1>;

}  // namespace prynox
