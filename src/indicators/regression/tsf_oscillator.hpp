#pragma once
// Forecast oscillator: the distance of the close from the time series forecast of the last N
// closes, in percent of the close. A close of 0 repeats the previous result.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/regression_fit.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kTsfOscillatorPeriodMessage = "TSF oscillator needs period >= 2";

class TsfOscillator {
public:
    // A minimum of 2 with its own message (which also covers 0), then MAX_PERIOD.
    static std::expected<TsfOscillator, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return fit_.period(); }

private:
    explicit TsfOscillator(std::uint64_t period) : fit_(period) {}

    OptionalValue last_;
    RegressionFit fit_;
};

}  // namespace prynox
