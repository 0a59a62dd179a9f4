#pragma once
// Rectangle: the two latest swing highs close and the two latest swing lows close (3 %). -1 when
// the newest pivot is a swing high, +1 when it is a swing low.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct RectangleRangeRule {
    static double test(const SwingPivotTracker& t);
};

using RectangleRange = SwingPattern<RectangleRangeRule, 4>;

}  // namespace prynox
