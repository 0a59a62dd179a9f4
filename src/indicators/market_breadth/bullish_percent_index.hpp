#pragma once
// Percent of the entries on a bullish signal; an empty list gives NaN (0 over 0).
#include "indicators/market_breadth/stateless_breadth.hpp"

namespace prynox {

struct BullishPercentIndexRule {
    static double apply(const BreadthTally& t) { return (100.0 * t.bullish) / t.entries; }
};

using BullishPercentIndex = StatelessBreadth<BullishPercentIndexRule>;

}  // namespace prynox
