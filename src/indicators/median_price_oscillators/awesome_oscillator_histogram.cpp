#include "indicators/median_price_oscillators/awesome_oscillator_histogram.hpp"

#include <cmath>
#include <utility>

namespace prynox {

std::expected<AwesomeOscillatorHistogram, IndicatorError> AwesomeOscillatorHistogram::create(std::uint64_t fast,
                                                                                             std::uint64_t slow,
                                                                                             std::uint64_t lag) {
    if (fast == 0 || slow == 0 || lag == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kFastNotBelowSlow));
    auto ao = AwesomeOscillator::create(fast, slow);
    if (!ao) return std::unexpected(ao.error());
    return AwesomeOscillatorHistogram(std::move(*ao), lag);
}

OptionalValue AwesomeOscillatorHistogram::update_candle(const Candle& c) {
    // The averages must not advance on a candle whose value the window cannot take.
    if (!past_.make_room()) [[unlikely]]
        return std::nullopt;
    const OptionalValue ao = ao_.update_candle(c);
    if (!ao) return std::nullopt;
    (void)past_.push(*ao);
    if (past_.size() <= lag_) return std::nullopt;
    const double value = *ao - past_.pop_front();
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
