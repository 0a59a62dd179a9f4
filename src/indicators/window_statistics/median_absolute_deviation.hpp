#pragma once
// Median absolute deviation of the last N closes: the median of |y - M| over the window, M the
// window's median (the midpoint of the two middle values for even N); no scale factor.
#include <cstdint>
#include <expected>
#include <optional>
#include <vector>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class MedianAbsoluteDeviation {
public:
    // Window check on the period.
    static std::expected<MedianAbsoluteDeviation, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit MedianAbsoluteDeviation(std::uint64_t period) : window_(period) {}

    SortedWindow window_;
    // The deviations, ascending; sized once the window has filled, then reused.
    std::vector<double> deviations_;
};

}  // namespace prynox
