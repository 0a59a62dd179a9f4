#pragma once
// Crab: X, A, B, C, D the newest five pivots, oldest first; AB/XA in [0.382, 0.618], BC/AB in
// [0.382, 0.886], CD/BC in [2.24, 3.618], AD/XA in [1.55, 1.65], tested in that order. +1 when D
// is a swing low, -1 when a swing high.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct CrabRule {
    static double test(const SwingPivotTracker& t);
};

using Crab = SwingPattern<CrabRule, 5>;

}  // namespace prynox
