#pragma once
// Shark: X, A, B, C, D the newest five pivots, oldest first; AB/XA in [1.13, 1.618], BC/AB in
// [1.618, 2.24], CD/BC in [0.382, 0.886], AD/XA in [0.886, 1.13], tested in that order. +1 when D
// is a swing low, -1 when a swing high.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct SharkRule {
    static double test(const SwingPivotTracker& t);
};

using Shark = SwingPattern<SharkRule, 5>;

}  // namespace prynox
