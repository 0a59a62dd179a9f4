#include "indicators/multi_output_oscillators/wave_trend.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/typical_price.hpp"

namespace prynox {

std::expected<WaveTrend, IndicatorError> WaveTrend::create(std::uint64_t channel, std::uint64_t average,
                                                           std::uint64_t signal) {
    if (channel == 0 || average == 0 || signal == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(channel)) return std::unexpected(*e);
    if (auto e = check_max_period(average)) return std::unexpected(*e);
    auto sma = Sma::create(signal);
    if (!sma) return std::unexpected(sma.error());
    return WaveTrend(channel, average, std::move(*sma));
}

std::uint64_t WaveTrend::warmup_period() const {
    // Each period is at most MAX_PERIOD: nothing wraps.
    return 2 * esa_.period() + wt1_.period() + wt2_.period() - 3;
}

bool WaveTrend::update_candle(const Candle& c, std::array<double, 2>& out) {
    const double ap = typical_price(c);
    if (!std::isfinite(ap)) [[unlikely]]
        return false;
    const OptionalValue esa = esa_.step(ap);
    if (!esa) return false;
    const double dev = ap - *esa;
    if (!std::isfinite(dev)) [[unlikely]]
        return false;
    const OptionalValue d = d_.step(std::fabs(dev));
    if (!d) return false;
    // Within a few units in the last place of the average the distance is rounding, not a move.
    const double guard = (std::max(std::fabs(*esa), 1.0) * 16.0) * 2.220446049250313e-16;
    const double ci = *d > guard ? dev / (0.015 * *d) : 0.0;
    if (!std::isfinite(ci)) [[unlikely]]
        return false;
    const OptionalValue wt1 = wt1_.step(ci);
    if (!wt1) return false;
    // The simple average refuses a wt1 that is not finite.
    const OptionalValue wt2 = wt2_.update_value(*wt1);
    if (!wt2) return false;
    out = {*wt1, *wt2};
    return true;
}

}  // namespace prynox
