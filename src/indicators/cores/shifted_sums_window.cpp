#include "indicators/cores/shifted_sums_window.hpp"

namespace prynox {

ShiftedSumsWindow::Rebuilt ShiftedSumsWindow::rebuild(double x, double anchor) const {
    // The window once x is pushed: the held values, less the oldest when full, then x; oldest
    // first.
    bool skip = window_.full();
    auto visit = [&](auto&& f) {
        bool first = true;
        window_.for_each([&](double v) {
            if (first && skip) {
                first = false;
                return;
            }
            first = false;
            f(v);
        });
        f(x);
    };
    double s1 = 0.0;
    double s2 = 0.0;
    visit([&](double v) {
        double d = v - anchor;
        s1 += d;
        s2 += d * d;
    });
    return {anchor, s1, s2, std::isfinite(anchor) && std::isfinite(s1) && std::isfinite(s2)};
}

}  // namespace prynox
