#include "indicators/pair_statistics/treynor_ratio.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TreynorRatio, IndicatorError> TreynorRatio::create(std::uint64_t period, double rf) {
    if (auto e = check_minimum(period, 2, kTreynorRatioPeriodMessage)) return std::unexpected(*e);
    return TreynorRatio(period, rf);
}

OptionalValue TreynorRatio::update_pair(double close, double reference) {
    if (!window_.push(close, reference)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    const PairMoments m = window_.moments();
    if (m.var_y == 0.0) return 0.0;
    double beta = m.cov / m.var_y;
    if (beta == 0.0) return 0.0;
    return finite_result((m.mean_x - rf_) / beta);
}

}  // namespace prynox
