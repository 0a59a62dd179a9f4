#pragma once
// Sine-weighted moving average: the last N closes weighted by the first half-period of a sine,
// sin((i + 1) pi / (N + 1)), heaviest in the middle of the window.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>
#include <vector>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class SineWeightedMa {
public:
    static std::expected<SineWeightedMa, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

    // The N weights oldest first and their total (from -0.0, index order).
    static std::vector<double> weights(std::uint64_t period, double& total);

private:
    explicit SineWeightedMa(std::uint64_t period) : window_(period) {}

    RollingWindow<double> window_;
    // Built once N closes have been seen (see Alma).
    std::vector<double> weights_;
    double total_ = 0.0;
};

}  // namespace prynox
