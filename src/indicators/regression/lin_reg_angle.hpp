#pragma once
// Slope of the least-squares line of the last N closes as an angle in degrees (one bar and one
// price unit make 45 degrees).
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/regression/lin_reg_slope.hpp"
#include "indicators/cores/regression_fit.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class LinRegAngle {
public:
    // The slope's minimum of 2 and message (which also covers 0) (which also covers 0), then MAX_PERIOD.
    static std::expected<LinRegAngle, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return fit_.period(); }

private:
    explicit LinRegAngle(std::uint64_t period) : fit_(period) {}

    RegressionFit fit_;
};

}  // namespace prynox
