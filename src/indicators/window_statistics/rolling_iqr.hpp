#pragma once
// Interquartile range of the last N closes: the 0.75 quantile minus the 0.25 quantile, each
// interpolated linearly between neighbouring order statistics.
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class RollingIqr {
public:
    // Window check on the period.
    static std::expected<RollingIqr, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit RollingIqr(SortedWindow window) : window_(std::move(window)) {}

    SortedWindow window_;
};

}  // namespace prynox
