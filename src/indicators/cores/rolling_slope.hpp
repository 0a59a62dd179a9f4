#pragma once
// The least-squares slope of a full window against the positions 0 (oldest) .. n - 1 (newest),
// for the projection types. The mean is taken out first so the products stay small; the owner
// keeps the position sums, computed once, and guarantees n >= 2.
#include <cstdint>

#include "indicators/cores/rolling_window.hpp"

namespace prynox {

struct SlopeConstants {
    double n;       // the window length
    double sum_x;   // n (n - 1) / 2
    double sum_x2;  // (n - 1) n (2n - 1) / 6

    static constexpr SlopeConstants of(std::uint64_t period) {
        const double n = static_cast<double>(period);
        return {n, (n * (n - 1.0)) / 2.0, (((n - 1.0) * n) * (2.0 * n - 1.0)) / 6.0};
    }
};

// The window must hold k.n values.
inline double rolling_slope(const SlopeConstants& k, const RollingWindow<double>& window) {
    double sum = -0.0;
    window.for_each([&sum](double v) { sum += v; });
    const double mean = sum / k.n;
    double s = -0.0, t = -0.0, i = 0.0;
    window.for_each([&](double v) {
        const double d = v - mean;
        s += d;
        t += i * d;
        i += 1.0;
    });
    return (k.n * t - s * k.sum_x) / (k.sum_x2 * k.n - k.sum_x * k.sum_x);
}

}  // namespace prynox
