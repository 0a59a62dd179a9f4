#include "indicators/cores/regression_window.hpp"

namespace prynox {

RegressionWindow::RegressionWindow(std::uint64_t period)
    : ring_(period), n_(static_cast<double>(ring_.period())), last_position_(n_ - 1.0) {
    double nm1 = n_ - 1.0;
    sx_ = (nm1 * n_) * 0.5;
    den_ = (nm1 * n_) * (2.0 * n_ - 1.0) / 6.0 * n_ - sx_ * sx_;
}

bool RegressionWindow::take_filling(double x) {
    // The new value's position is the count held before it.
    const double i = static_cast<double>(ring_.count());
    if (!ring_.fill(x)) return false;
    if (i == 0.0) anchor_ = x;
    const double d = x - anchor_;
    sums_ = sums_ + DoublePair{d, d * d};
    sxy_ = i * d + sxy_;
    arrived_sum_ += x;
    if (ring_.full()) reanchor();
    return true;
}

void RegressionWindow::reanchor() {
    // Runs on a full ring only: N values, oldest first in ring order.
    anchor_ = arrived_sum_ / n_;
    arrived_sum_ = 0.0;
    DoublePair sums{0.0, 0.0};
    double sxy = 0.0;
    double i = 0.0;
    const double a = anchor_;
    ring_.for_each_in_ring_order([&](double v) {
        double d = v - a;
        sums = sums + DoublePair{d, d * d};
        sxy = i * d + sxy;
        i += 1.0;
    });
    sums_ = sums;
    sxy_ = sxy;
}

}  // namespace prynox
