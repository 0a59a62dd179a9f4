#include "indicators/window_statistics/kurtosis.hpp"

#include <cmath>
#include <utility>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Kurtosis, IndicatorError> Kurtosis::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 4, kKurtosisPeriodMessage)) return std::unexpected(*e);
    return Kurtosis(MomentSums<4>(period));
}

OptionalValue Kurtosis::update_value(double x) {
    if (!std::isfinite(x) || !sums_.push(x) || !sums_.full()) return std::nullopt;
    double var = sums_.variance();
    if (var == 0.0) return 0.0;
    double n = sums_.n();
    double m1 = sums_.sum(1) / n;
    double r2 = sums_.sum(2) / n;
    double r3 = sums_.sum(3) / n;
    double r4 = sums_.sum(4) / n;
    double m1_sq = m1 * m1;
    double central4 = r4 - 4.0 * m1 * r3 + 6.0 * m1_sq * r2 - 3.0 * (m1_sq * m1_sq);
    return finite_result(central4 / (var * var) - 3.0);
}

}  // namespace prynox
