#pragma once
// Two-pole high-pass stage on the angle 0.707 * 2 pi / period:
//   h = (1 - a/2)^2 (x - 2 x1 + x2) + 2 (1 - a) h1 - (1 - a)^2 h2,   a = (cos t + sin t - 1) / cos t,
// giving 0 until two earlier inputs exist. next() computes a step without taking it, so that an
// owner can look at the result before commit() advances the stage.
#include <cmath>
#include <cstdint>

namespace prynox {

class TwoPoleHighpass {
public:
    explicit TwoPoleHighpass(std::uint64_t period) {
        double t = 4.442212012175967 / static_cast<double>(period);
        alpha_ = ((std::cos(t) + std::sin(t)) - 1.0) / std::cos(t);
        double half = 1.0 - alpha_ / 2.0;
        double one_minus = 1.0 - alpha_;
        k_in_ = half * half;
        k_h1_ = 2.0 * one_minus;
        k_h2_ = one_minus * one_minus;
    }

    // Does not look at x: callers reject what they must not feed.
    double next(double x) const {
        if (seen_ < 2) [[unlikely]]
            return 0.0;
        return (k_in_ * ((x - 2.0 * x1_) + x2_) + k_h1_ * h1_) - k_h2_ * h2_;
    }
    // Takes the step of x, whose output next(x) gave as h.
    void commit(double x, double h) {
        if (seen_ < 2) ++seen_;
        h2_ = h1_;
        h1_ = h;
        x2_ = x1_;
        x1_ = x;
    }
    double step(double x) {
        double h = next(x);
        commit(x, h);
        return h;
    }

    double alpha() const { return alpha_; }

private:
    double alpha_;
    double k_in_;  // (1 - a/2)^2
    double k_h1_;  // 2 (1 - a)
    double k_h2_;  // (1 - a)^2
    double x1_ = 0.0;
    double x2_ = 0.0;
    double h1_ = 0.0;
    double h2_ = 0.0;
    std::uint32_t seen_ = 0;  // earlier inputs, up to 2
};

}  // namespace prynox
