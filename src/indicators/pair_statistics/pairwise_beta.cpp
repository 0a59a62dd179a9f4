#include "indicators/pair_statistics/pairwise_beta.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<PairwiseBeta, IndicatorError> PairwiseBeta::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kPairwiseBetaPeriodMessage)) return std::unexpected(*e);
    return PairwiseBeta(period);
}

OptionalValue PairwiseBeta::update_pair(double close, double reference) {
    if (!(close > 0.0 && reference > 0.0)) return std::nullopt;
    auto change = changes_.log_returns(close, reference);
    if (!change) return std::nullopt;
    if (!window_.push(change->x, change->y)) return std::nullopt;
    if (!window_.full()) return std::nullopt;
    const PairMoments m = window_.moments();
    if (m.var_y == 0.0) return 0.0;
    return finite_result(m.cov / m.var_y);
}

}  // namespace prynox
