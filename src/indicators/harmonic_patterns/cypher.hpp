#pragma once
// Cypher: X, A, B, C, D the newest five pivots, oldest first; AB/XA in [0.382, 0.618], then
// XC/XA in [1.272, 1.414], then CD/XC in [0.74, 0.83]. +1 when D is a swing low, -1 when a swing
// high.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct CypherRule {
    static double test(const SwingPivotTracker& t);
};

using Cypher = SwingPattern<CypherRule, 5>;

}  // namespace prynox
