#pragma once
// AB=CD: A, B, C, D the newest four pivots, oldest first; BC/AB in [0.382, 0.886], CD/BC in
// [1.13, 2.618], and the outer legs AB and CD alike within 10 % of the longer. +1 when D is a
// swing low, -1 when a swing high. A zero first leg fails its ratio.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct AbcdRule {
    static double test(const SwingPivotTracker& t);
};

using Abcd = SwingPattern<AbcdRule, 4>;

}  // namespace prynox
