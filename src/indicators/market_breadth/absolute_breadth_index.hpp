#pragma once
// The size of the gap between advancing and declining entries.
#include <cmath>

#include "indicators/market_breadth/stateless_breadth.hpp"

namespace prynox {

struct AbsoluteBreadthIndexRule {
    static double apply(const BreadthTally& t) { return std::fabs(t.advancing - t.declining); }
};

using AbsoluteBreadthIndex = StatelessBreadth<AbsoluteBreadthIndexRule>;

}  // namespace prynox
