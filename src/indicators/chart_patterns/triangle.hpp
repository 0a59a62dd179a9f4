#pragma once
// Triangle: flat highs with rising lows (ascending, +1); falling highs with flat lows
// (descending, -1); falling highs with rising lows (symmetrical: -1 when the newest pivot is a
// swing high, +1 when a swing low). Rising and falling are 1.03 and 0.97 times the previous
// pivot's signed price: on negative prices the factors act as that product says.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct TriangleRule {
    static double test(const SwingPivotTracker& t);
};

using Triangle = SwingPattern<TriangleRule, 4>;

}  // namespace prynox
