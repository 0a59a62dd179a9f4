#pragma once
// Midpoint of two doubles that cannot overflow: halve separately once either operand exceeds
// half the largest finite double.
#include <cmath>

namespace prynox {

inline constexpr double kHalfMaxDouble = 8.988465674311579e307;

inline double midpoint(double a, double b) {
    if (std::fabs(a) <= kHalfMaxDouble && std::fabs(b) <= kHalfMaxDouble) return (a + b) * 0.5;
    return a * 0.5 + b * 0.5;
}

}  // namespace prynox
