#include "indicators/window_statistics/skewness.hpp"

#include <cmath>
#include <utility>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Skewness, IndicatorError> Skewness::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 3, kSkewnessPeriodMessage)) return std::unexpected(*e);
    return Skewness(MomentSums<3>(period));
}

OptionalValue Skewness::update_value(double x) {
    if (!std::isfinite(x) || !sums_.push(x) || !sums_.full()) return std::nullopt;
    double var = sums_.variance();
    if (var == 0.0) return 0.0;
    double n = sums_.n();
    double m1 = sums_.sum(1) / n;
    double r2 = sums_.sum(2) / n;
    double r3 = sums_.sum(3) / n;
    double m1_sq = m1 * m1;
    return finite_result((r3 - 3.0 * m1 * r2 + 2.0 * (m1_sq * m1)) / (var * std::sqrt(var)));
}

}  // namespace prynox
