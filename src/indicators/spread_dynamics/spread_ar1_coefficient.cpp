#include "indicators/spread_dynamics/spread_ar1_coefficient.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<SpreadAr1Coefficient, IndicatorError> SpreadAr1Coefficient::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 3, kSpreadAr1PeriodMessage)) return std::unexpected(*e);
    return SpreadAr1Coefficient(period);
}

OptionalValue SpreadAr1Coefficient::update_pair(double close, double reference) {
    auto s = window_.take_full(close, reference);
    if (s.empty()) [[unlikely]]
        return std::nullopt;
    return of(s);
}

OptionalValue SpreadAr1Coefficient::of(std::span<const double> s) {
    // x_t = s_t, y_t = s(t+1), t = 0 .. m - 1.
    const std::size_t m = s.size() - 1;
    const double md = static_cast<double>(m);
    double sx = 0.0, sy = 0.0;
    bool flat = true;
    for (std::size_t t = 0; t < m; ++t) {
        sx += s[t];
        sy += s[t + 1];
        flat = flat && s[t] == s[0];
    }
    const double mx = sx / md, my = sy / md;
    double sxx = 0.0, sxy = 0.0;
    for (std::size_t t = 0; t < m; ++t) {
        const double dx = s[t] - mx;
        sxx += dx * dx;
        sxy += dx * (s[t + 1] - my);
    }
    // The mean of equal spreads can miss them by an ulp (three 0.1s give 0.10000000000000002):
    // an exactly flat level has no variance, whatever the deviations from that mean hold.
    const double var = sxx / md;
    if (!(var > 0.0) || flat) return 0.0;
    return finite_result((sxy / md) / var);
}

}  // namespace prynox
