#include "indicators/spread_dynamics/ou_half_life.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<OuHalfLife, IndicatorError> OuHalfLife::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 3, kOuHalfLifePeriodMessage)) return std::unexpected(*e);
    return OuHalfLife(period);
}

OptionalValue OuHalfLife::update_pair(double close, double reference) {
    auto s = window_.take_full(close, reference);
    if (s.empty()) [[unlikely]]
        return std::nullopt;
    return of(s);
}

OptionalValue OuHalfLife::of(std::span<const double> s) {
    // Level x_t = s_t, change y_t = s(t+1) - s_t, t = 0 .. m - 1.
    const std::size_t m = s.size() - 1;
    const double md = static_cast<double>(m);
    double sx = 0.0, sy = 0.0;
    bool level_flat = true, change_flat = true;
    const double x0 = s[0], y0 = s[1] - s[0];
    for (std::size_t t = 0; t < m; ++t) {
        const double y = s[t + 1] - s[t];
        sx += s[t];
        sy += y;
        level_flat = level_flat && s[t] == x0;
        change_flat = change_flat && y == y0;
    }
    const double mx = sx / md, my = sy / md;
    double sxx = 0.0, sxy = 0.0;
    for (std::size_t t = 0; t < m; ++t) {
        const double dx = s[t] - mx;
        sxx += dx * dx;
        sxy += dx * ((s[t + 1] - s[t]) - my);
    }
    // A mean of equal values can miss them by an ulp; an exactly flat level has no variance,
    // and exactly equal changes have no covariance with the level.
    double var = sxx / md;
    if (!(var > 0.0) || level_flat) return 0.0;
    const double b = change_flat ? 0.0 : (sxy / md) / var;
    if (b >= 0.0) return 0.0;
    return finite_result(-0.6931471805599453 / b);
}

}  // namespace prynox
