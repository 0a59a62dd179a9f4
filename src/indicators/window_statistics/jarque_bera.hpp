#pragma once
// Jarque-Bera statistic of the last N closes from their population skewness and excess
// kurtosis, recomputed from the window on every bar; 0 for a window without spread.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kJarqueBeraPeriodMessage = "Jarque-Bera needs period >= 4";

class JarqueBera {
public:
    // Zero, then MAX_PERIOD, then the minimum of 4 with its own message.
    static std::expected<JarqueBera, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit JarqueBera(std::uint64_t period) : window_(period), run_(period), n_(static_cast<double>(period)) {}

    RollingWindow<double> window_;
    // The mean of a constant window can miss its value by a rounding, which would give equal
    // deviations and a statistic of n / 3: the run says the window is flat.
    EqualRun run_;
    double n_;
};

}  // namespace prynox
