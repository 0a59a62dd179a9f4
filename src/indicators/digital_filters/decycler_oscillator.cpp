#include "indicators/digital_filters/decycler_oscillator.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<DecyclerOscillator, IndicatorError> DecyclerOscillator::create(std::uint64_t fast, std::uint64_t slow) {
    if (fast == 0 || slow == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kDecyclerOscillatorOrderMessage));
    if (auto e = check_max_period(slow)) return std::unexpected(*e);
    return DecyclerOscillator(fast, slow);
}

}  // namespace prynox
