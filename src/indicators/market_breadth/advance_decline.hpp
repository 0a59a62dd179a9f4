#pragma once
// The advance-decline line: the running total of advancing less declining entries.
#include "indicators/market_breadth/breadth_line.hpp"

namespace prynox {

struct AdvanceDeclineRule {
    static double net(const BreadthTally& t) { return t.advancing - t.declining; }
};

using AdvanceDecline = BreadthLine<AdvanceDeclineRule>;

}  // namespace prynox
