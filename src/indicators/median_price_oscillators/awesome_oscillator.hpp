#pragma once
// Awesome oscillator: the simple average of the median price ((high + low) / 2, halved first
// near the ends of the doubles) over a fast window minus the one over a slow window. The step
// of AcceleratorOscillator and AwesomeOscillatorHistogram too.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AwesomeOscillator {
public:
    static constexpr const char* kFastNotBelowSlow = "AO fast period must be strictly less than slow";

    // Zero windows, then fast < slow, then MAX_PERIOD on fast and on slow.
    static std::expected<AwesomeOscillator, IndicatorError> create(std::uint64_t fast, std::uint64_t slow);

    // Nothing, with nothing changed, for a candle that would carry either running sum out of
    // the doubles (medians of opposite signs near the ends): one such candle would otherwise
    // spoil the averages until their next exact re-summation. Nothing on a difference that
    // leaves the doubles.
    OptionalValue update_candle(const Candle& c);
    // slow
    std::uint64_t warmup_period() const { return slow_.period(); }

private:
    AwesomeOscillator(std::uint64_t fast, std::uint64_t slow) : fast_(fast), slow_(slow) {}
    Sma fast_;
    Sma slow_;
};

}  // namespace prynox
