#pragma once
// Wedge: both trend lines (latest swing high minus the one before, the same for the lows) rising
// with the lower one faster gives -1 (rising wedge); both falling with the upper one faster gives
// +1 (falling wedge).
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct WedgeRule {
    static double test(const SwingPivotTracker& t);
};

using Wedge = SwingPattern<WedgeRule, 4>;

}  // namespace prynox
