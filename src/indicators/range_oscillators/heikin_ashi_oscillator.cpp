#include "indicators/range_oscillators/heikin_ashi_oscillator.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<HeikinAshiOscillator, IndicatorError> HeikinAshiOscillator::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return HeikinAshiOscillator(period);
}

OptionalValue HeikinAshiOscillator::update_candle(const Candle& c) {
    const double ha_close = (((c.open + c.high) + c.low) + c.close) * 0.25;
    if (!std::isfinite(ha_close)) [[unlikely]]
        return {};
    const double ha_open = has_previous_ ? midpoint(ha_open_, ha_close_) : midpoint(c.open, c.close);
    // Kept on every candle, also where the body below gives nothing.
    ha_open_ = ha_open;
    ha_close_ = ha_close;
    has_previous_ = true;
    const double x = ha_close - ha_open;
    if (!std::isfinite(x)) [[unlikely]]
        return {};
    return stage_.step(x);
}

}  // namespace prynox
