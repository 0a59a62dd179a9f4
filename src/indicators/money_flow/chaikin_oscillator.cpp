#include "indicators/money_flow/chaikin_oscillator.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/money_flow_volume.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ChaikinOscillator, IndicatorError> ChaikinOscillator::create(std::uint64_t fast, std::uint64_t slow) {
    if (fast == 0 || slow == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kChaikinOscillatorOrderMessage));
    if (auto e = check_max_period(fast)) return std::unexpected(*e);
    if (auto e = check_max_period(slow)) return std::unexpected(*e);
    return ChaikinOscillator(fast, slow);
}

OptionalValue ChaikinOscillator::update_candle(const Candle& c) {
    const double line = line_ + money_flow_volume(c);
    // Both averages take the line or neither does (a seed sum may overflow).
    if (!std::isfinite(line) || !averages_.takes(line)) [[unlikely]]
        return {};
    line_ = line;
    const auto v = averages_.step(line);
    if (!v) return {};
    return finite_result(v->fast - v->slow);
}

}  // namespace prynox
