#include "indicators/pair_statistics/pearson_correlation.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/pair_statistics/correlation_of.hpp"

namespace prynox {

std::expected<PearsonCorrelation, IndicatorError> PearsonCorrelation::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kPearsonCorrelationPeriodMessage)) return std::unexpected(*e);
    return PearsonCorrelation(period);
}

OptionalValue PearsonCorrelation::update_pair(double close, double reference) {
    if (!window_.push(close, reference)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    const PairMoments m = window_.moments();
    return correlation_of(m.var_x, m.var_y, m.cov);
}

}  // namespace prynox
