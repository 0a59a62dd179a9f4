#include "indicators/volume_lines/volume_oscillator.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<VolumeOscillator, IndicatorError> VolumeOscillator::create(std::uint64_t fast, std::uint64_t slow) {
    if (fast == 0 || slow == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kVolumeOscillatorOrder));
    if (auto e = check_max_period(fast)) return std::unexpected(*e);
    if (auto e = check_max_period(slow)) return std::unexpected(*e);
    return VolumeOscillator(fast, slow);
}

bool VolumeOscillator::CountedAverage::push(double volume, OptionalValue& mean) {
    const FixedRing& ring = average.ring();
    const bool full = ring.full();
    const std::uint64_t held = ring.count();
    const double leaving = full ? ring.at_head() : 0.0;
    mean = average.update_value(volume);
    if (!full && ring.count() == held) [[unlikely]]
        return false;
    positive = positive - (leaving > 0.0 ? 1 : 0) + (volume > 0.0 ? 1 : 0);
    if (mean && positive == 0) mean = 0.0;
    return true;
}

OptionalValue VolumeOscillator::update_candle(const Candle& c) {
    // The averages are independent; the slow one goes first because its storage grows at least
    // as far as the fast one's, so a refusal there leaves both untouched.
    OptionalValue fast, slow;
    if (!slow_.push(c.volume, slow)) [[unlikely]]
        return {};
    if (!fast_.push(c.volume, fast)) [[unlikely]]
        return {};
    if (!fast || !slow) return {};
    if (*slow == 0.0) return 0.0;
    // Volumes near the ends of the doubles can take the difference beyond them.
    return finite_result(((*fast - *slow) * 100.0) / *slow);
}

}  // namespace prynox
