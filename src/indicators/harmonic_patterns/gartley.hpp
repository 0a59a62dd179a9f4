#pragma once
// Gartley: X, A, B, C, D the newest five pivots, oldest first; AB/XA in [0.55, 0.7], BC/AB in
// [0.382, 0.886], CD/BC in [1.13, 1.618], AD/XA in [0.74, 0.84], tested in that order. +1 when D
// is a swing low, -1 when a swing high.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct GartleyRule {
    static double test(const SwingPivotTracker& t);
};

using Gartley = SwingPattern<GartleyRule, 5>;

}  // namespace prynox
