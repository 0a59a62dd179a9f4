#include "indicators/pair_statistics/beta_neutral_spread.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<BetaNeutralSpread, IndicatorError> BetaNeutralSpread::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kBetaNeutralSpreadPeriodMessage)) return std::unexpected(*e);
    return BetaNeutralSpread(period);
}

OptionalValue BetaNeutralSpread::update_pair(double close, double reference) {
    if (!window_.push(close, reference)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    const PairMoments m = window_.moments();
    double beta = m.var_y == 0.0 ? 0.0 : m.cov / m.var_y;
    double intercept = m.mean_x - beta * m.mean_y;
    return finite_result(close - (intercept + beta * reference));
}

}  // namespace prynox
