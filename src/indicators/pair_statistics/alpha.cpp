#include "indicators/pair_statistics/alpha.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Alpha, IndicatorError> Alpha::create(std::uint64_t period, double rf) {
    if (auto e = check_minimum(period, 2, kAlphaPeriodMessage)) return std::unexpected(*e);
    return Alpha(period, rf);
}

OptionalValue Alpha::update_pair(double close, double reference) {
    if (!window_.push(close, reference)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    const PairMoments m = window_.moments();
    if (m.var_y == 0.0) return finite_result(m.mean_x - rf_);
    double beta = m.cov / m.var_y;
    return finite_result(m.mean_x - (rf_ + beta * (m.mean_y - rf_)));
}

}  // namespace prynox
