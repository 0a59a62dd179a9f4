#include "indicators/range_oscillators/chaikin_volatility.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ChaikinVolatility, IndicatorError> ChaikinVolatility::create(std::uint64_t smoothing, std::uint64_t lag) {
    if (auto e = check_window(smoothing)) return std::unexpected(*e);
    if (auto e = check_window(lag)) return std::unexpected(*e);
    return ChaikinVolatility(smoothing, lag);
}

OptionalValue ChaikinVolatility::update_candle(const Candle& c) {
    const double r = c.high - c.low;
    if (!std::isfinite(r)) [[unlikely]]
        return {};
    if (!smoothed_.make_room()) [[unlikely]]
        return {};
    const OptionalValue e = stage_.step(r);
    if (!e || !std::isfinite(*e)) return {};
    (void)smoothed_.push(*e);
    if (!smoothed_.full()) return {};
    const double o = smoothed_.oldest();
    if (o == 0.0) return 0.0;
    // A range grown from a subnormal one leaves the doubles: no value for that candle.
    return finite_result((*e - o) / o * 100.0);
}

}  // namespace prynox
