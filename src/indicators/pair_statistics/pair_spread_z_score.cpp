#include "indicators/pair_statistics/pair_spread_z_score.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<PairSpreadZScore, IndicatorError> PairSpreadZScore::create(std::uint64_t beta_period,
                                                                         std::uint64_t z_period) {
    if (auto e = check_minimum(beta_period, 2, kPairSpreadZScoreBetaMessage)) return std::unexpected(*e);
    if (auto e = check_minimum(z_period, 2, kPairSpreadZScoreZMessage)) return std::unexpected(*e);
    return PairSpreadZScore(beta_period, z_period);
}

OptionalValue PairSpreadZScore::update_pair(double close, double reference) {
    if (!(close > 0.0 && reference > 0.0)) return std::nullopt;
    double lr = std::log(reference);
    double lc = std::log(close);
    auto logs = logs_.prepare(lr, lc);
    if (!logs) return std::nullopt;
    if (!logs_.full_after_push()) {
        logs_.commit(lr, lc, *logs);
        return std::nullopt;
    }
    const PairMoments m = logs_.moments(*logs);
    double beta = m.var_x == 0.0 ? 0.0 : m.cov / m.var_x;
    double spread = lc - beta * lr;
    if (!std::isfinite(spread)) [[unlikely]]
        return std::nullopt;
    auto spreads = spreads_.prepare(spread);
    if (!spreads) return std::nullopt;
    logs_.commit(lr, lc, *logs);
    spreads_.commit(spread, *spreads);
    if (!spreads_.full()) return std::nullopt;
    double variance = spreads_.population_variance();
    if (variance == 0.0) return 0.0;
    return finite_result((spread - spreads_.mean()) / std::sqrt(variance));
}

}  // namespace prynox
