#pragma once
// The constants of a least-squares fit over positions 0 .. N - 1, evaluated exactly as the
// regression window evaluates them, for the types that refit their window on every bar.
#include <cstdint>

namespace prynox {

struct RegressionConstants {
    double n;            // N as a double
    double sum_x;        // N (N - 1) / 2
    double denominator;  // N * (sum of i^2) - sum_x^2
};

constexpr RegressionConstants regression_constants(std::uint64_t period) {
    double n = static_cast<double>(period);
    double nm1 = n - 1.0;
    double sx = (nm1 * n) * 0.5;
    return {n, sx, (nm1 * n) * (2.0 * n - 1.0) / 6.0 * n - sx * sx};
}

}  // namespace prynox
