#pragma once
// Two-pole super smoother on the angle sqrt(2) pi / length:
//   f = c1 mid(u, u1) + c2 f1 + c3 f2,   a = exp(-t), c2 = 2 a cos t, c3 = -a^2, c1 = 1 - c2 - c3,
// passing its first two inputs through unchanged. The length is a real so that owners may
// smooth over half a period. next() computes a step without taking it; commit() takes it.
//
// The coefficients sum to 1 only up to rounding, so the plain step can move a constant input
// by an ulp and then hold it there; when the input and the whole history are one value the
// step gives that value exactly, as the filter promises for a constant series.
#include <bit>
#include <cmath>
#include <cstdint>

#include "indicators/cores/midpoint.hpp"

namespace prynox {

class SuperSmootherStage {
public:
    explicit SuperSmootherStage(double length) {
        double t = 4.442882938158366 / length;
        double a = std::exp(-t);
        double b = 2.0 * a * std::cos(t);
        c2_ = b;
        c3_ = -a * a;
        c1_ = (1.0 - b) - c3_;
    }

    // Does not look at u: callers reject what they must not feed.
    double next(double u) const {
        if (seen_ < 2) [[unlikely]]
            return u;
        if (same(u, u1_) && same(u, f1_) && same(u, f2_)) [[unlikely]]
            return u;
        return (c1_ * midpoint(u, u1_) + c2_ * f1_) + c3_ * f2_;
    }
    // Takes the step of u, whose output next(u) gave as f.
    void commit(double u, double f) {
        if (seen_ < 2) ++seen_;
        f2_ = f1_;
        f1_ = f;
        u1_ = u;
    }
    double step(double u) {
        double f = next(u);
        commit(u, f);
        return f;
    }

    double c1() const { return c1_; }
    double c2() const { return c2_; }
    double c3() const { return c3_; }

private:
    static bool same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

    double c1_;
    double c2_;
    double c3_;
    double u1_ = 0.0;
    double f1_ = 0.0;
    double f2_ = 0.0;
    std::uint32_t seen_ = 0;  // earlier inputs, up to 2
};

}  // namespace prynox
