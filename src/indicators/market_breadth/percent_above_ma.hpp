#pragma once
// Percent of the entries above their average; an empty list gives NaN (0 over 0).
#include "indicators/market_breadth/stateless_breadth.hpp"

namespace prynox {

struct PercentAboveMaRule {
    static double apply(const BreadthTally& t) { return (100.0 * t.above_ma) / t.entries; }
};

using PercentAboveMa = StatelessBreadth<PercentAboveMaRule>;

}  // namespace prynox
