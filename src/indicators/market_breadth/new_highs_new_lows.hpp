#pragma once
// Entries at a new high less entries at a new low.
#include "indicators/market_breadth/stateless_breadth.hpp"

namespace prynox {

struct NewHighsNewLowsRule {
    static double apply(const BreadthTally& t) { return t.new_highs - t.new_lows; }
};

using NewHighsNewLows = StatelessBreadth<NewHighsNewLowsRule>;

}  // namespace prynox
