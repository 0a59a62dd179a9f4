#pragma once
// One-pole high-pass stage on the full angle 2 pi / period:
//   h = (1 - a/2) (x - x1) + (1 - a) h1,   a = (cos w + sin w - 1) / cos w,
// giving 0 on the first input. next() computes a step without taking it; commit() takes it.
#include <cmath>
#include <cstdint>

namespace prynox {

class OnePoleHighpass {
public:
    explicit OnePoleHighpass(std::uint64_t period) {
        double w = 6.283185307179586 / static_cast<double>(period);
        alpha_ = ((std::cos(w) + std::sin(w)) - 1.0) / std::cos(w);
        k_in_ = 1.0 - alpha_ / 2.0;
        k_h1_ = 1.0 - alpha_;
    }

    // Does not look at x: callers reject what they must not feed.
    double next(double x) const {
        if (seen_ == 0) [[unlikely]]
            return 0.0;
        return k_in_ * (x - x1_) + k_h1_ * h1_;
    }
    // Takes the step of x, whose output next(x) gave as h.
    void commit(double x, double h) {
        seen_ = 1;
        h1_ = h;
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
    double k_in_;  // 1 - a/2
    double k_h1_;  // 1 - a
    double x1_ = 0.0;
    double h1_ = 0.0;
    std::uint32_t seen_ = 0;  // earlier inputs, up to 1
};

}  // namespace prynox
