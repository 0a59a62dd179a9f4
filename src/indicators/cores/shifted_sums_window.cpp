#include "indicators/cores/shifted_sums_window.hpp"

namespace prynox {

bool ShiftedSumsWindow::rebuild(double x, ShiftedSums& s) const {
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
    double count = static_cast<double>(skip ? window_.size() : window_.size() + 1);
    double sum = 0.0;
    visit([&sum](double v) { sum += v; });
    double anchor = sum / count;
    double s1 = 0.0;
    double s2 = 0.0;
    visit([&](double v) {
        double d = v - anchor;
        s1 += d;
        s2 += d * d;
    });
    if (!std::isfinite(anchor) || !std::isfinite(s1) || !std::isfinite(s2)) return false;
    s.anchor = anchor;
    s.s1 = s1;
    s.s2 = s2;
    return true;
}

}  // namespace prynox
