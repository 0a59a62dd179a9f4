#pragma once
// Butterfly: X, A, B, C, D the newest five pivots, oldest first; AB/XA in [0.74, 0.84], BC/AB in
// [0.382, 0.886], CD/BC in [1.618, 2.618], AD/XA in [1.27, 1.618], tested in that order. +1 when D
// is a swing low, -1 when a swing high.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct ButterflyRule {
    static double test(const SwingPivotTracker& t);
};

using Butterfly = SwingPattern<ButterflyRule, 5>;

}  // namespace prynox
