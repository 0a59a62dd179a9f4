#pragma once
// Sign of the least-squares slope of the last N closes: +1 rising, -1 falling, 0 flat.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kTrendLabelPeriodMessage = "trend label needs period >= 2";

class TrendLabel {
public:
    // A minimum of 2, then MAX_PERIOD.
    static std::expected<TrendLabel, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // N
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit TrendLabel(std::uint64_t period) : window_(period), run_(period) {}
    RollingWindow<double> window_;
    // A constant window is flat: its deviations from a rounded mean must not vote.
    EqualRun run_;
};

}  // namespace prynox
