#include "indicators/aroon_cci/aroon_oscillator.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<AroonOscillator, IndicatorError> AroonOscillator::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return AroonOscillator(period);
}

}  // namespace prynox
