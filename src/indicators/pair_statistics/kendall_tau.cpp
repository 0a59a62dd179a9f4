#include "indicators/pair_statistics/kendall_tau.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

namespace {

// The counters one pair of pairs adds to: concordant, discordant, tied in x, tied in y. Without
// branches: on a random window the directions are a coin toss for the branch predictor.
struct Kinds {
    std::int64_t c, d, tx, ty;
};

Kinds classify(const XY& a, const XY& b) {
    const int sx = static_cast<int>(a.x < b.x) - static_cast<int>(a.x > b.x);
    const int sy = static_cast<int>(a.y < b.y) - static_cast<int>(a.y > b.y);
    // Inputs are finite: equal exactly when neither is below the other.
    return {sx * sy > 0, sx * sy < 0, sx == 0, sy == 0};
}

}  // namespace

std::expected<KendallTau, IndicatorError> KendallTau::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kKendallTauPeriodMessage)) return std::unexpected(*e);
    return KendallTau(period);
}

OptionalValue KendallTau::update_pair(double close, double reference) {
    if (!pairs_.make_room()) return std::nullopt;
    const XY entering{close, reference};
    const bool full = pairs_.full();
    const XY leaving = pairs_.oldest();
    std::int64_t c = concordant_, d = discordant_, tx = tied_x_, ty = tied_y_;
    for (std::size_t i = full ? 1 : 0; i < pairs_.size(); ++i) {
        const XY& p = pairs_[i];
        if (full) {
            Kinds k = classify(p, leaving);
            c -= k.c, d -= k.d, tx -= k.tx, ty -= k.ty;
        }
        Kinds k = classify(p, entering);
        c += k.c, d += k.d, tx += k.tx, ty += k.ty;
    }
    (void)pairs_.push(entering);  // room was made
    concordant_ = c, discordant_ = d, tied_x_ = tx, tied_y_ = ty;
    if (!pairs_.full()) return std::nullopt;
    const std::uint64_t n = pairs_.capacity();
    const double n0 = static_cast<double>(n * (n - 1) / 2);
    const double q = (n0 - static_cast<double>(tx)) * (n0 - static_cast<double>(ty));
    if (q == 0.0) return 0.0;
    return std::clamp(static_cast<double>(c - d) / std::sqrt(q), -1.0, 1.0);
}

}  // namespace prynox
