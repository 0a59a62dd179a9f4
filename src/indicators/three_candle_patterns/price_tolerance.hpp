#pragma once
// The tolerance of the patterns that take two prices as equal: a share t of the larger magnitude
// of the two, so it scales with the price level (and is 0 at prices of 0, where only equal prices
// pass). No floor: a tolerance of zero is meant there.
#include <algorithm>
#include <cmath>

namespace prynox {

inline double price_tolerance(double t, double a, double b) { return t * std::max(std::fabs(a), std::fabs(b)); }

}  // namespace prynox
