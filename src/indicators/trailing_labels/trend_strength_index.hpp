#pragma once
// Signed coefficient of determination of the last N closes against time: r^2 of the
// least-squares line, negative when the line falls; 0 when the closes have no spread.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kTrendStrengthPeriodMessage = "period must be >= 2 for a regression";

class TrendStrengthIndex {
public:
    // Zero, then MAX_PERIOD, then the minimum of 2.
    static std::expected<TrendStrengthIndex, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // N
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit TrendStrengthIndex(std::uint64_t period) : window_(period), run_(period) {}
    RollingWindow<double> window_;
    // A constant window has no spread, whatever its deviations from a rounded mean say.
    EqualRun run_;
    // Sums of the positions 0 .. N - 1 and of their squares, added in order once the window
    // first fills (a cost paid for data actually seen).
    double sx_ = 0.0;
    double sxx_ = 0.0;
    bool position_sums_ready_ = false;
};

}  // namespace prynox
