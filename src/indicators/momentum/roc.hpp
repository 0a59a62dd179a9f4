#pragma once
// Rate of change in percent against the close N bars earlier; 0 when that close is 0.
#include "indicators/cores/n_bar_change.hpp"

namespace prynox {

struct RocRule : FiniteCloseRule {
    static double apply(double x, double back) { return back == 0.0 ? 0.0 : ((x - back) / back) * 100.0; }
};

using Roc = NBarChange<RocRule>;

}  // namespace prynox
