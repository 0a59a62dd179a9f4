#include "indicators/cores/pair_moment_window.hpp"

namespace prynox {

PairMomentWindow::Rebuilt PairMomentWindow::rebuild(double x, double y, double kx, double ky) const {
    // The window once (x, y) is pushed: the held pairs, less the oldest when full, then (x, y);
    // oldest first.
    const bool skip = pairs_.full();
    auto visit = [&](auto&& f) {
        bool first = skip;
        pairs_.for_each([&](const XY& p) {
            if (first) [[unlikely]] {
                first = false;
                return;
            }
            f(p);
        });
        f(XY{x, y});
    };
    double sx = 0.0, sy = 0.0, sxx = 0.0, syy = 0.0, sxy = 0.0;
    visit([&](const XY& p) {
        double dx = p.x - kx;
        double dy = p.y - ky;
        sx += dx;
        sy += dy;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    });
    const bool finite = std::isfinite(kx) && std::isfinite(ky) && std::isfinite(sx) && std::isfinite(sy) &&
                        std::isfinite(sxx) && std::isfinite(syy) && std::isfinite(sxy);
    return {kx, ky, sx, sy, sxx, syy, sxy, finite};
}

}  // namespace prynox
