#pragma once
// Chande forecast oscillator: the distance of the close from the least-squares line of the last
// N closes, in percent of the close. A close of 0 cannot be expressed as a percentage and
// repeats the previous result.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/regression_fit.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Cfo {
public:
    // Zero, then MAX_PERIOD, then the minimum of 2 with the linear regression's message.
    static std::expected<Cfo, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return fit_.period(); }

private:
    explicit Cfo(std::uint64_t period) : fit_(period) {}

    OptionalValue last_;
    RegressionFit fit_;
};

// (x - reference) * 100 / x, kept as the last result; a close of 0 repeats the last result and a
// value that is not finite gives none and keeps it. Shared with the forecast oscillator.
OptionalValue percent_from_close(double x, double reference, OptionalValue& last);

}  // namespace prynox
