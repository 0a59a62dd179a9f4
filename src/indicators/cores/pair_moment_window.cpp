#include "indicators/cores/pair_moment_window.hpp"

namespace prynox {

PairMomentWindow::Rebuilt PairMomentWindow::rebuild(double x, double y, double kx, double ky) const {
    // The window once (x, y) is pushed: the held pairs, less the oldest when full, then (x, y);
    // oldest first. x and y ride side by side in two lanes, each lane taking the same steps in
    // the same order as one series alone.
    const DoublePair k{kx, ky};
    DoublePair sums{0.0, 0.0};
    DoublePair squares{0.0, 0.0};
    double sxy = 0.0;
    const auto add = [&](DoublePair p) {
        const DoublePair d = p - k;
        sums += d;
        squares += d * d;
        sxy += d[0] * d[1];
    };
    pairs_.for_each_from(pairs_.full() ? 1 : 0, [&](const XY& p) { add(DoublePair{p.x, p.y}); });
    add(DoublePair{x, y});
    const double sx = sums[0], sy = sums[1], sxx = squares[0], syy = squares[1];
    const bool finite = std::isfinite(kx) && std::isfinite(ky) && std::isfinite(sx) && std::isfinite(sy) &&
                        std::isfinite(sxx) && std::isfinite(syy) && std::isfinite(sxy);
    return {kx, ky, sx, sy, sxx, syy, sxy, finite};
}

}  // namespace prynox
