#pragma once
// What the harmonic patterns measure between pivots: the ratio of two legs, legs alike within a
// share, and the five-point patterns tested by four ratio windows.
//
// A leg is the difference of two pivot prices. On pivots of both signs near the double range a
// leg overflows, and its ratio to another leg would come out 0, infinite or NaN whatever the
// true proportion. Such a pair of legs is measured on halved prices instead: halving is exact at
// that size (and a partner price too small to halve exactly vanishes beside the huge one either
// way), and every test here is a proportion, so the result is the true one. Finite legs are
// measured as written.
#include <array>
#include <cmath>

#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

// |(v - u) / (t - s)|: leg uv over leg st. A zero leg st gives infinity or NaN, which fails
// every window.
inline double leg_ratio(double u, double v, double s, double t) {
    const double num = v - u, den = t - s;
    if (std::isfinite(num) && std::isfinite(den)) [[likely]]
        return std::fabs(num / den);
    return std::fabs((0.5 * v - 0.5 * u) / (0.5 * t - 0.5 * s));
}

// ||v - u| - |t - s|| <= share * max(|v - u|, |t - s|, smallest normal).
inline bool legs_alike(double u, double v, double s, double t, double share) {
    double a = v - u, b = t - s;
    if (!std::isfinite(a) || !std::isfinite(b)) {
        a = 0.5 * v - 0.5 * u;
        b = 0.5 * t - 0.5 * s;
    }
    return within_share(std::fabs(a), std::fabs(b), share);
}

// An inclusive window [lo, hi] on a ratio; NaN fails.
struct RatioWindow {
    double lo, hi;

    bool holds(double r) const { return lo <= r && r <= hi; }
};

// X, A, B, C, D, the newest five pivots oldest first, against the windows on AB/XA, BC/AB,
// CD/BC and AD/XA, tested in that order: +1 when all hold and D is a swing low, -1 when D is a
// swing high, else 0.
double five_point_signal(const SwingPivotTracker& t, const std::array<RatioWindow, 4>& w);

// +1 when the newest pivot is a swing low, -1 when a swing high.
inline double completion_signal(const SwingPivotTracker& t) {
    return t.from_newest(0).is_high() ? kBearishSignal : kBullishSignal;
}

}  // namespace prynox
