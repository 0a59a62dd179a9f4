#pragma once
// The last N returns with two running sums: of the returns, and of their losses (as positive
// amounts) with the count of losses. Both are adjusted as values leave and enter and never
// recomputed; the count says exactly when the window holds no loss, whatever residue the loss
// sum keeps. The core of the ratios of a window's total (or mean) to its losses.
#include <cmath>
#include <cstdint>

#include "indicators/cores/counted_sum.hpp"
#include "indicators/cores/rolling_window.hpp"

namespace prynox {

class SumAndLosses {
public:
    explicit SumAndLosses(std::uint64_t period) : window_(period) {}

    // Takes a finite return. False, with nothing changed, when the window's storage could not
    // grow or a sum would overflow: an overflowing sum would stay poisoned for the rest of the run.
    [[nodiscard]] bool push(double x) {
        if (!window_.make_room()) [[unlikely]]
            return false;
        double sum;
        CountedSum losses;  // its non-zero terms are exactly the negative values
        if (window_.full()) [[likely]] {
            double old = window_.oldest();
            sum = (sum_ - old) + x;
            losses = losses_.replaced(loss(old), loss(x));
        } else {
            sum = sum_ + x;
            losses = losses_.added(loss(x));
        }
        if (!std::isfinite(sum) || !std::isfinite(losses.sum)) [[unlikely]]
            return false;
        (void)window_.push(x);  // room was made above
        sum_ = sum;
        losses_ = losses;
        return true;
    }

    bool full() const { return window_.full(); }
    std::uint64_t period() const { return window_.capacity(); }
    double sum() const { return sum_; }
    const CountedSum& losses() const { return losses_; }

private:
    static double loss(double r) { return r < 0.0 ? -r : 0.0; }

    RollingWindow<double> window_;
    double sum_ = 0.0;
    CountedSum losses_;
};

}  // namespace prynox
