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
    const bool beta_ready = logs_.full_after_push();
    double beta = 0.0;
    auto logs = logs_.prepare(lr, lc, [&](const PairSums& s) {
        if (!beta_ready) return;
        const PairMoments m = logs_.moments(s);
        beta = m.var_x == 0.0 ? 0.0 : m.cov / m.var_x;
    });
    if (!logs) return std::nullopt;
    if (!beta_ready) {
        logs_.commit(lr, lc, *logs);
        return std::nullopt;
    }
    double spread = lc - beta * lr;
    if (!std::isfinite(spread)) [[unlikely]]
        return std::nullopt;
    const bool z_ready = spreads_.full_after_push();
    OptionalValue z;
    auto spreads = spreads_.prepare(spread, [&](const ShiftedSums& s) {
        if (!z_ready) return;
        const double variance = spreads_.population_variance(s);
        z = variance == 0.0 ? OptionalValue(0.0) : finite_result((spread - spreads_.mean(s)) / std::sqrt(variance));
    });
    if (!spreads) return std::nullopt;
    logs_.commit(lr, lc, *logs);
    spreads_.commit(*spreads);
    return z;
}

}  // namespace prynox
