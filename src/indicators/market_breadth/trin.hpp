#pragma once
// The advance-decline ratio over the up-down volume ratio, each divisor at least 1.
#include "indicators/market_breadth/stateless_breadth.hpp"

namespace prynox {

struct TrinRule {
    static double apply(const BreadthTally& t) { return (t.advancing / at_least_one(t.declining)) / (at_least_one(t.up_volume) / at_least_one(t.down_volume)); }
};

using Trin = StatelessBreadth<TrinRule>;

}  // namespace prynox
