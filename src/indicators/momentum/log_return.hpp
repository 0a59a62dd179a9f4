#pragma once
// Log return against the close N bars earlier: ln(x / x'). Only closes above zero count as
// bars, and a ratio whose log is not finite (overflow or underflow) is no value for that bar;
// its close still counts as a bar for the later returns (n_bar_change.hpp).
#include <cmath>

#include "indicators/cores/n_bar_change.hpp"

namespace prynox {

struct LogReturnRule {
    static bool accepts(double x) { return std::isfinite(x) && x > 0.0; }
    static double apply(double x, double back) { return std::log(x / back); }
    static constexpr bool kRejectNonFinite = true;
};

using LogReturn = NBarChange<LogReturnRule>;

}  // namespace prynox
