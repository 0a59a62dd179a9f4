#pragma once
// Ehlers stochastic: the close through a roofing filter (high-pass 48, smoother 10), placed
// within the range of the last `period` roofed values on [-1, 1] and averaged with the
// previous placement. The range of the window comes from WindowExtremes in O(1) per close; its
// storage grows with the closes seen.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/digital_filters/roofing_filter.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class EhlersStochastic {
public:
    // Window check on the period.
    static std::expected<EhlersStochastic, IndicatorError> create(std::uint64_t period);

    // A flat window places the value at 0. A roofed value that overflows gives nothing and
    // changes nothing; a placement that overflows gives no value.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.length(); }
    // Slots the window has allocated (it grows with the closes seen).
    std::size_t storage() const { return window_.storage(); }

    static constexpr std::uint64_t kSmootherPeriod = 10;
    static constexpr std::uint64_t kHighpassPeriod = 48;

private:
    explicit EhlersStochastic(std::uint64_t period) : roofing_(kSmootherPeriod, kHighpassPeriod), window_(period) {}

    RoofingFilter roofing_;
    WindowExtremes window_;  // of the roofed values
    OptionalValue previous_;  // previous raw placement
};

}  // namespace prynox
