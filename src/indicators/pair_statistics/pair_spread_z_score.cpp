#include "indicators/pair_statistics/pair_spread_z_score.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/nonnegative_sqrt.hpp"
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
    const double lr = std::log(reference);
    const double lc = std::log(close);
    // Once the windows have their storage, no push allocates and most do not rebuild: taken
    // apart, these hold no call after the logarithms, so the update's values stay in registers
    // all along its chain.
    if (logs_.next_push_has_room() && spreads_.next_push_has_room()) [[likely]] {
        if (logs_.next_push_is_plain() && spreads_.next_push_is_plain()) [[likely]]
            return update_logs<PushPath::plain>(lr, lc);
        return update_logs_rebuilding(lr, lc);
    }
    return update_logs_any(lr, lc);
}

OptionalValue PairSpreadZScore::update_logs_rebuilding(double lr, double lc) {
    return update_logs<PushPath::in_room>(lr, lc);
}

OptionalValue PairSpreadZScore::update_logs_any(double lr, double lc) { return update_logs<PushPath::any>(lr, lc); }

template <PushPath Path>
OptionalValue PairSpreadZScore::update_logs(double lr, double lc) {
    const bool beta_ready = logs_.full_after_push();
    double beta = 0.0;
    auto logs = logs_.prepare<Path>(lr, lc, [&](const PairSums& s) {
        if (beta_ready) beta = logs_.slope_y_on_x(s);
    });
    if (!logs) return std::nullopt;
    if (!beta_ready) {
        logs_.commit<Path>(lr, lc, *logs);
        return std::nullopt;
    }
    double spread = lc - beta * lr;
    if (!std::isfinite(spread)) [[unlikely]]
        return std::nullopt;
    const bool z_ready = spreads_.full_after_push();
    OptionalValue z;
    auto spreads = spreads_.prepare<Path>(spread, [&](const ShiftedSums& s) {
        if (!z_ready) return;
        const double variance = spreads_.population_variance(s);
        z = variance == 0.0 ? OptionalValue(0.0) : finite_result((spread - spreads_.mean(s)) / nonnegative_sqrt(variance));
    });
    if (!spreads) return std::nullopt;
    logs_.commit<Path>(lr, lc, *logs);
    spreads_.commit<Path>(*spreads);
    return z;
}

}  // namespace prynox
