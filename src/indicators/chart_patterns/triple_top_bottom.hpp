#pragma once
// Triple top or bottom: the newest pivot and the two of its direction before it, each close to
// the next (3 %). -1 on a swing high, +1 on a swing low.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct TripleTopBottomRule {
    static double test(const SwingPivotTracker& t);
};

using TripleTopBottom = SwingPattern<TripleTopBottomRule, 5>;

}  // namespace prynox
