#pragma once
// Percentile rank of the close among the last N closes (itself included): the share of values
// below it plus half the share equal to it, in percent. A new maximum of distinct values ranks
// (N - 0.5) / N * 100; a constant window ranks 50.
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class RollingPercentileRank {
public:
    // Window check on the period.
    static std::expected<RollingPercentileRank, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit RollingPercentileRank(RollingWindow<double> window)
        : window_(std::move(window)), n_(static_cast<double>(window_.capacity())) {}

    RollingWindow<double> window_;
    double n_;
};

}  // namespace prynox
