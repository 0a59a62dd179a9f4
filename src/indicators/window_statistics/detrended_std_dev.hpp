#pragma once
// Standard deviation of the last N closes around their least-squares line (the root mean
// square residual), refitted from the window on every bar with the values shifted by the
// oldest; 0 for a window on a straight line.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kDetrendedStdDevPeriodMessage = "detrended stddev needs period >= 2";

class DetrendedStdDev {
public:
    // A minimum of 2 with its own message (which also covers 0), then MAX_PERIOD.
    static std::expected<DetrendedStdDev, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit DetrendedStdDev(std::uint64_t period);

    RollingWindow<double> window_;
    double n_;
    double den_;
};

}  // namespace prynox
