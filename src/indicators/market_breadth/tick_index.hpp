#pragma once
// Advancing less declining entries.
#include "indicators/market_breadth/stateless_breadth.hpp"

namespace prynox {

struct TickIndexRule {
    static double apply(const BreadthTally& t) { return t.advancing - t.declining; }
};

using TickIndex = StatelessBreadth<TickIndexRule>;

}  // namespace prynox
