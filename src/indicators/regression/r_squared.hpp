#pragma once
// Coefficient of determination of the least-squares line of the last N closes, 0 to 1.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/regression_fit.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kRSquaredPeriodMessage = "R² needs period >= 2";

class RSquared {
public:
    // A minimum of 2 with its own message (which also covers 0), then MAX_PERIOD.
    static std::expected<RSquared, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return fit_.period(); }

private:
    explicit RSquared(std::uint64_t period) : fit_(period) {}

    RegressionFit fit_;
};

}  // namespace prynox
