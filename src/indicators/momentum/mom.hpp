#pragma once
// Momentum: the close minus the close N bars earlier.
#include "indicators/cores/n_bar_change.hpp"

namespace prynox {

struct MomRule : FiniteCloseRule {
    static double apply(double x, double back) { return x - back; }
};

using Mom = NBarChange<MomRule>;

}  // namespace prynox
