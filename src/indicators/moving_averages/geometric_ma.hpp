#pragma once
// Geometric moving average: exp of the mean log of the last N positive closes, the log sum
// kept running and recomputed exactly every N accepted closes. A close that is not > 0 is
// skipped like a non-finite one.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class GeometricMa {
public:
    static std::expected<GeometricMa, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return logs_.capacity(); }

private:
    explicit GeometricMa(std::uint64_t period) : logs_(period), n_(static_cast<double>(period)) {}

    RollingWindow<double> logs_;
    double n_;
    double sum_ = 0.0;
    std::uint64_t updates_ = 0;
};

}  // namespace prynox
