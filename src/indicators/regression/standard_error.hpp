#pragma once
// Standard error of the least-squares line of the last N closes: the root of the residual sum of
// squares over N - 2, refitted from the window on every bar (values shifted by the oldest).
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kStandardErrorPeriodMessage = "standard error needs period >= 3";

class StandardError {
public:
    // A minimum of 3 with its own message (which also covers 0), then MAX_PERIOD.
    static std::expected<StandardError, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit StandardError(std::uint64_t period);

    RollingWindow<double> window_;
    double n_;
    double den_;
};

}  // namespace prynox
