#pragma once
// Rate of change as a fraction of the close N bars earlier; 0 when that close is 0.
#include "indicators/cores/n_bar_change.hpp"

namespace prynox {

struct RocpRule : FiniteCloseRule {
    static double apply(double x, double back) { return back == 0.0 ? 0.0 : (x - back) / back; }
};

using Rocp = NBarChange<RocpRule>;

}  // namespace prynox
