#pragma once
// Band-pass stage centred on the period P with a width given as an angle:
//   b = 0.5 (1 - a) (x - x2) + beta (1 + a) b1 - a b2,
//   beta = cos(2 pi / P), g = 1 / cos(width angle), a = g - sqrt(g^2 - 1),
// giving 0 until two earlier inputs exist. next() computes a step without taking it; commit()
// takes it.
#include <cmath>
#include <cstdint>

namespace prynox {

class BandpassStage {
public:
    // The width angle of a relative bandwidth: 4 pi bandwidth / P.
    static double width_angle(double bandwidth, std::uint64_t period) {
        return bandwidth * 12.566370614359172 / static_cast<double>(period);
    }

    BandpassStage(std::uint64_t period, double width_angle) {
        beta_ = std::cos(6.283185307179586 / static_cast<double>(period));
        double g = 1.0 / std::cos(width_angle);
        alpha_ = g - std::sqrt(g * g - 1.0);
        k_in_ = 0.5 * (1.0 - alpha_);
        k_b1_ = beta_ * (1.0 + alpha_);
    }

    // Does not look at x: callers reject what they must not feed.
    double next(double x) const {
        if (seen_ < 2) [[unlikely]]
            return 0.0;
        return (k_in_ * (x - x2_) + k_b1_ * b1_) - alpha_ * b2_;
    }
    // Takes the step of x, whose output next(x) gave as b.
    void commit(double x, double b) {
        if (seen_ < 2) ++seen_;
        b2_ = b1_;
        b1_ = b;
        x2_ = x1_;
        x1_ = x;
    }
    double step(double x) {
        double b = next(x);
        commit(x, b);
        return b;
    }

    double alpha() const { return alpha_; }
    double beta() const { return beta_; }
    // The last two outputs (0 before there are any).
    double b1() const { return b1_; }
    double b2() const { return b2_; }

private:
    double beta_;
    double alpha_;
    double k_in_;  // 0.5 (1 - a)
    double k_b1_;  // beta (1 + a)
    double x1_ = 0.0;
    double x2_ = 0.0;
    double b1_ = 0.0;
    double b2_ = 0.0;
    std::uint32_t seen_ = 0;  // earlier inputs, up to 2
};

}  // namespace prynox
