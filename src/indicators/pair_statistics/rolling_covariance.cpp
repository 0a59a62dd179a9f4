#include "indicators/pair_statistics/rolling_covariance.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<RollingCovariance, IndicatorError> RollingCovariance::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kRollingCovariancePeriodMessage)) return std::unexpected(*e);
    return RollingCovariance(period);
}

OptionalValue RollingCovariance::update_pair(double close, double reference) {
    auto change = changes_.differences(close, reference);
    if (!change) return std::nullopt;
    if (!window_.push(change->x, change->y)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    return finite_result(window_.moments().cov);
}

}  // namespace prynox
