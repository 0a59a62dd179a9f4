#include "indicators/cores/shifted_sums_window.hpp"

namespace prynox {

ShiftedSumsWindow::Rebuilt ShiftedSumsWindow::rebuild(double x, double anchor) const {
    // The window once x is pushed: the held values, less the oldest when full, then x; oldest
    // first.
    double s1 = 0.0;
    double s2 = 0.0;
    const auto add = [&](double v) {
        double d = v - anchor;
        s1 += d;
        s2 += d * d;
    };
    window_.for_each_from(window_.full() ? 1 : 0, add);
    add(x);
    return {anchor, s1, s2, std::isfinite(anchor) && std::isfinite(s1) && std::isfinite(s2)};
}

}  // namespace prynox
