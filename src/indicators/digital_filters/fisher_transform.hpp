#pragma once
// Fisher transform: the close placed within the range of the last `period` closes, smoothed,
// kept inside (-1, 1) and mapped through the inverse hyperbolic tangent, plus half the
// previous value.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/carried_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class FisherTransform {
public:
    // Window check on the period.
    static std::expected<FisherTransform, IndicatorError> create(std::uint64_t period);

    // A flat window places the close at 0. A placement that overflows gives no value.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }
    // Slots the window has allocated (it grows with the closes seen).
    std::size_t storage() const { return window_.storage(); }

private:
    explicit FisherTransform(CarriedWindow state)
        : last_(state.previous), window_(std::move(state.window)), v_(state.value) {}

    static constexpr double kLimit = 0.999;

    OptionalValue last_;
    RollingWindow<double> window_;
    double v_;  // smoothed placement
};

}  // namespace prynox
