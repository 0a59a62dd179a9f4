#pragma once
// Quantile q of the last N closes, interpolating linearly between neighbouring order statistics
// (q = 0 is the minimum, q = 1 the maximum).
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kRollingQuantileMessage = "rolling quantile must be a finite value in [0.0, 1.0]";

class RollingQuantile {
public:
    // Window check on the period, then q finite in [0, 1].
    static std::expected<RollingQuantile, IndicatorError> create(std::uint64_t period, double q);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    RollingQuantile(std::uint64_t period, double q) : window_(period), q_(q) {}

    SortedWindow window_;
    double q_;
};

}  // namespace prynox
