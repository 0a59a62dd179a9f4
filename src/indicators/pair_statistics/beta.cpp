#include "indicators/pair_statistics/beta.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Beta, IndicatorError> Beta::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kBetaPeriodMessage)) return std::unexpected(*e);
    return Beta(period);
}

OptionalValue Beta::update_pair(double close, double reference) {
    if (!window_.push(close, reference)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    const PairMoments m = window_.moments();
    if (m.var_y == 0.0) return 0.0;
    return finite_result(m.cov / m.var_y);
}

}  // namespace prynox
