#pragma once
// Three drives: Q0 to Q6 the newest seven pivots, oldest first; the legs between them alternate
// correction (Q0-Q1, Q2-Q3, Q4-Q5) and drive (Q1-Q2, Q3-Q4, Q5-Q6). Each drive 1.13 to 1.75
// times the correction before it, the drives alike within 20 % and the corrections within 30 %
// of the longer one. +1 when Q6 is a swing low, -1 when a swing high.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct ThreeDrivesRule {
    static double test(const SwingPivotTracker& t);
};

using ThreeDrives = SwingPattern<ThreeDrivesRule, 7>;

}  // namespace prynox
