#pragma once
// Advancing volume per declining volume, the divisor at least 1.
#include "indicators/market_breadth/stateless_breadth.hpp"

namespace prynox {

struct UpDownVolumeRatioRule {
    static double apply(const BreadthTally& t) { return t.up_volume / at_least_one(t.down_volume); }
};

using UpDownVolumeRatio = StatelessBreadth<UpDownVolumeRatioRule>;

}  // namespace prynox
