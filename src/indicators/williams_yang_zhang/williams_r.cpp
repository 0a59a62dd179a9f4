#include "indicators/williams_yang_zhang/williams_r.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<WilliamsR, IndicatorError> WilliamsR::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return WilliamsR(period);
}

OptionalValue WilliamsR::update_candle(const Candle& c) {
    if (!extremes_.push(c.high, c.low)) [[unlikely]]
        return {};
    if (!extremes_.full()) return {};
    const double hh = extremes_.high(), ll = extremes_.low();
    const double width = hh - ll;
    const double value = width == 0.0 ? -50.0 : ((hh - c.close) * -100.0) / width;
    // A window whose range exceeds the doubles (highs and lows near opposite ends) has no
    // finite value while that candle is in it.
    if (!std::isfinite(value)) [[unlikely]]
        return {};
    return value;
}

}  // namespace prynox
