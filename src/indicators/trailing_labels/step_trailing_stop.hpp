#pragma once
// A trailing stop on the grid of multiples of the step s: the grid level at least one step
// below the close while long, at least one step above it while short.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/flipping_stop.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class StepTrailingStop {
public:
    // The multiplier check on the step.
    static std::expected<StepTrailingStop, IndicatorError> create(double step);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        double below = step_ * std::floor((x - step_) / step_);
        double above = step_ * std::ceil((x + step_) / step_);
        return stop_.step(x, below, above);
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit StepTrailingStop(double step) : step_(step) {}
    double step_;
    FlippingStop stop_;
};

}  // namespace prynox
