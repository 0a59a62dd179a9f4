#pragma once
// Polarized fractal efficiency: the straight distance over N bars against the path walked
// through the N one-bar steps (each step sqrt(d^2 + 1)), signed by the direction of the move,
// in percent, smoothed by an EMA of period M.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class PolarizedFractalEfficiency {
public:
    // Zero, then MAX_PERIOD on the period; then the same on the smoothing period.
    static std::expected<PolarizedFractalEfficiency, IndicatorError> create(std::uint64_t period,
                                                                            std::uint64_t smoothing);

    OptionalValue update_value(double x);
    // N + M
    std::uint64_t warmup_period() const;

private:
    PolarizedFractalEfficiency(std::uint64_t period, std::uint64_t smoothing);

    RollingWindow<double> closes_;  // N + 1 closes
    RollingWindow<double> steps_;   // N step lengths
    EmaStage ema_;
    double n_;
    double n_squared_;
    double path_ = 0.0;  // S: running sum of the steps in the window
    double previous_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
