#pragma once
// Correlation trend indicator: the correlation of the last N closes with time, -1 to 1,
// recomputed from the window on every bar. A flat window has no trend: 0.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kCtiPeriodMessage = "CTI needs period >= 2";

class CorrelationTrendIndicator {
public:
    // A minimum of 2 with its own message (which also covers 0), then MAX_PERIOD.
    static std::expected<CorrelationTrendIndicator, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit CorrelationTrendIndicator(std::uint64_t period);

    RollingWindow<double> window_;
    // The mean of a constant window can miss its value by a rounding, which would leave equal
    // deviations and a correlation of pure noise; the run says the window is flat.
    EqualRun run_;
    double n_;
    double sum_x_;
    double den_;
};

}  // namespace prynox
