#include "indicators/multi_output_oscillators/qqe.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Qqe, IndicatorError> Qqe::create(std::uint64_t rsi_period, std::uint64_t smoothing, double factor) {
    if (rsi_period == 0 || smoothing == 0) return std::unexpected(IndicatorError::zero_period());
    if (!(std::isfinite(factor) && factor > 0.0)) return std::unexpected(IndicatorError::invalid_period(kQqeFactorMessage));
    auto rsi = Rsi::create(rsi_period);
    if (!rsi) return std::unexpected(rsi.error());
    if (auto e = check_max_period(smoothing)) return std::unexpected(*e);
    // n is at most MAX_PERIOD here: 2n - 1 cannot wrap.
    if (auto e = check_max_period(2 * rsi_period - 1)) return std::unexpected(*e);
    return Qqe(std::move(*rsi), rsi_period, smoothing, factor);
}

std::uint64_t Qqe::warmup_period() const {
    const std::uint64_t n = rsi_.period();
    return n + rsi_ma_.period() + 2 * (2 * n - 1) - 1;
}

bool Qqe::update_value(double close, std::array<double, 2>& out) {
    const OptionalValue rsi = rsi_.update_value(close);
    if (!rsi || !std::isfinite(*rsi)) return false;
    const OptionalValue smoothed = rsi_ma_.step(*rsi);
    if (!smoothed) return false;
    const double ma = *smoothed;
    if (!has_previous_ma_) [[unlikely]] {
        previous_ma_ = ma;
        has_previous_ma_ = true;
        return false;
    }
    const double p = previous_ma_;
    const double change = ma - p;
    previous_ma_ = ma;
    if (!std::isfinite(change)) [[unlikely]]
        return false;
    const OptionalValue first = first_.step(std::fabs(change));
    if (!first || !std::isfinite(*first)) return false;
    const OptionalValue second = second_.step(*first);
    if (!second) return false;
    const double band = *second * factor_;
    if (!std::isfinite(band)) [[unlikely]]
        return false;
    const double lower = ma - band, upper = ma + band;
    double trailing;
    if (!has_bands_) [[unlikely]] {
        lower_ = lower, upper_ = upper, trend_ = 1.0;
        has_bands_ = true;
        trailing = lower;
    } else {
        const double pl = lower_, pu = upper_;
        const double new_lower = ma > pl && p > pl ? std::max(pl, lower) : lower;
        const double new_upper = ma < pu && p < pu ? std::min(pu, upper) : upper;
        lower_ = new_lower, upper_ = new_upper;
        if (p <= pu && ma > pu) {
            trend_ = 1.0;
            trailing = new_lower;
        } else if (p >= pl && ma < pl) {
            trend_ = -1.0;
            trailing = new_upper;
        } else {
            trailing = trend_ > 0.0 ? new_lower : new_upper;
        }
    }
    out = {ma, trailing};
    return true;
}

}  // namespace prynox
