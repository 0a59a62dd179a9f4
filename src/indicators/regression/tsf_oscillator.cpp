#include "indicators/regression/tsf_oscillator.hpp"

#include "indicators/regression/cfo.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<TsfOscillator, IndicatorError> TsfOscillator::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kTsfOscillatorPeriodMessage)) return std::unexpected(*e);
    return TsfOscillator(period);
}

OptionalValue TsfOscillator::update_value(double x) {
    auto line = fit_.push(x);
    if (!line) return std::nullopt;
    return percent_from_close(x, fit_.forecast(*line), last_);
}

}  // namespace prynox
