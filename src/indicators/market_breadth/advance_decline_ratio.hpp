#pragma once
// Advancing entries per declining one, at least one decliner counted.
#include "indicators/market_breadth/stateless_breadth.hpp"

namespace prynox {

struct AdvanceDeclineRatioRule {
    static double apply(const BreadthTally& t) { return t.advancing / at_least_one(t.declining); }
};

using AdvanceDeclineRatio = StatelessBreadth<AdvanceDeclineRatioRule>;

}  // namespace prynox
