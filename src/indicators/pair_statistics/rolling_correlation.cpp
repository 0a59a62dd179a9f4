#include "indicators/pair_statistics/rolling_correlation.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/pair_statistics/correlation_of.hpp"

namespace prynox {

std::expected<RollingCorrelation, IndicatorError> RollingCorrelation::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kRollingCorrelationPeriodMessage)) return std::unexpected(*e);
    return RollingCorrelation(period);
}

OptionalValue RollingCorrelation::update_pair(double close, double reference) {
    auto change = changes_.differences(close, reference);
    if (!change) return std::nullopt;
    if (!window_.push(change->x, change->y)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    const PairMoments m = window_.moments();
    return correlation_of(m.var_x, m.var_y, m.cov);
}

}  // namespace prynox
