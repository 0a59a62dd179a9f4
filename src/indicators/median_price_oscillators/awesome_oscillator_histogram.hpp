#pragma once
// The change of the awesome oscillator over its last k values: ao - (the ao of k values ago).
// k has no upper bound: the window of past values grows with the data, and the warm-up
// slow + k saturates.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/median_price_oscillators/awesome_oscillator.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AwesomeOscillatorHistogram {
public:
    static constexpr const char* kFastNotBelowSlow = "AwesomeOscillatorHistogram fast must be strictly less than slow";

    // Zero windows (all three), then fast < slow, then the awesome oscillator's checks.
    static std::expected<AwesomeOscillatorHistogram, IndicatorError> create(std::uint64_t fast, std::uint64_t slow,
                                                                            std::uint64_t lag);

    OptionalValue update_candle(const Candle& c);
    // slow + k, saturated
    std::uint64_t warmup_period() const { return sat_add(ao_.warmup_period(), lag_); }

private:
    AwesomeOscillatorHistogram(AwesomeOscillator ao, std::uint64_t lag)
        : past_(sat_add(lag, 1)), ao_(std::move(ao)), lag_(lag) {}
    RollingWindow<double> past_;
    AwesomeOscillator ao_;
    std::uint64_t lag_;
};

}  // namespace prynox
