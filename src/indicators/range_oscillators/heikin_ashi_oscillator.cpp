#include "indicators/range_oscillators/heikin_ashi_oscillator.hpp"

#include <array>
#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<HeikinAshiOscillator, IndicatorError> HeikinAshiOscillator::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return HeikinAshiOscillator(period);
}

OptionalValue HeikinAshiOscillator::update_candle(const Candle& c) {
    std::array<double, 4> ha;
    // The Heikin-Ashi candle is kept on every candle, also where the body below gives nothing.
    if (!step_.step(c.open, c.high, c.low, c.close, ha)) [[unlikely]]
        return {};
    const double x = ha[3] - ha[0];
    if (!std::isfinite(x)) [[unlikely]]
        return {};
    return stage_.step(x);
}

}  // namespace prynox
