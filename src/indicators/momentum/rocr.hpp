#pragma once
// Ratio of the close to the close N bars earlier; 0 when that close is 0.
#include "indicators/cores/n_bar_change.hpp"

namespace prynox {

struct RocrRule : FiniteCloseRule {
    static double apply(double x, double back) { return back == 0.0 ? 0.0 : x / back; }
};

using Rocr = NBarChange<RocrRule>;

}  // namespace prynox
