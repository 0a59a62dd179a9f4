#include "indicators/median_price_oscillators/awesome_oscillator.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<AwesomeOscillator, IndicatorError> AwesomeOscillator::create(std::uint64_t fast, std::uint64_t slow) {
    if (fast == 0 || slow == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kFastNotBelowSlow));
    if (auto e = check_max_period(fast)) return std::unexpected(*e);
    if (auto e = check_max_period(slow)) return std::unexpected(*e);
    return AwesomeOscillator(fast, slow);
}

OptionalValue AwesomeOscillator::update_candle(const Candle& c) {
    const double m = midpoint(c.high, c.low);
    const OptionalValue fast = fast_.update_value(m);
    const OptionalValue slow = slow_.update_value(m);
    if (!fast || !slow) return std::nullopt;
    const double ao = *fast - *slow;
    if (!std::isfinite(ao)) [[unlikely]]
        return std::nullopt;
    return ao;
}

}  // namespace prynox
