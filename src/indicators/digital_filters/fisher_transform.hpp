#pragma once
// Fisher transform: the close placed within the range of the last `period` closes, smoothed,
// kept inside (-1, 1) and mapped through the inverse hyperbolic tangent, plus half the
// previous value. The range of the window comes from WindowExtremes in O(1) per close; its
// storage grows with the closes seen.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class FisherTransform {
public:
    // Window check on the period.
    static std::expected<FisherTransform, IndicatorError> create(std::uint64_t period);

    // A flat window places the close at 0. A placement that overflows gives no value.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.length(); }
    // Slots the window has allocated (it grows with the closes seen).
    std::size_t storage() const { return window_.storage(); }

private:
    explicit FisherTransform(std::uint64_t period) : window_(period) {}

    static constexpr double kLimit = 0.999;

    OptionalValue last_;
    WindowExtremes window_;
    double v_ = 0.0;  // smoothed placement
};

}  // namespace prynox
