#pragma once
// Bat: X, A, B, C, D the newest five pivots, oldest first; AB/XA in [0.382, 0.5], BC/AB in [0.382,
// 0.886], CD/BC in [1.618, 2.618], AD/XA in [0.84, 0.93], tested in that order. +1 when D is a
// swing low, -1 when a swing high.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct BatRule {
    static double test(const SwingPivotTracker& t);
};

using Bat = SwingPattern<BatRule, 5>;

}  // namespace prynox
