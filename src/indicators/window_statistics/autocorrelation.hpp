#pragma once
// Autocorrelation of the last N closes at a lag L: the lagged cross products of the deviations
// from the window's mean over their sum of squares, recomputed from the window on every bar;
// 0 for a window without spread.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kAutocorrelationLagMessage = "autocorrelation lag must be >= 1";
inline constexpr const char* kAutocorrelationPeriodMessage = "autocorrelation needs period > lag";

class Autocorrelation {
public:
    // lag >= 1, then period > lag; the period is not bounded by MAX_PERIOD (the window grows
    // with the closes seen).
    static std::expected<Autocorrelation, IndicatorError> create(std::uint64_t period, std::uint64_t lag);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    Autocorrelation(std::uint64_t period, std::uint64_t lag)
        : window_(period), run_(period), n_(static_cast<double>(period)), lag_(lag) {}

    RollingWindow<double> window_;
    // The mean of a constant window can miss its value by a rounding, which would give equal
    // deviations and a ratio of (N - L) / N: the run says the window is flat.
    EqualRun run_;
    double n_;
    std::uint64_t lag_;
};

}  // namespace prynox
