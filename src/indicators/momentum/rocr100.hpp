#pragma once
// Ratio of the close to the close N bars earlier, times 100; 0 when that close is 0.
#include "indicators/cores/n_bar_change.hpp"

namespace prynox {

struct Rocr100Rule : FiniteCloseRule {
    static double apply(double x, double back) { return back == 0.0 ? 0.0 : (x / back) * 100.0; }
};

using Rocr100 = NBarChange<Rocr100Rule>;

}  // namespace prynox
