#pragma once
// Instantaneous trendline: a four-point average of the closes for the first six closes, then a
// two-pole recursion that cancels the lag of a simple average over the period.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class InstantaneousTrendline {
public:
    // Window check on the period.
    static std::expected<InstantaneousTrendline, IndicatorError> create(std::uint64_t period);

    // A step that overflows gives nothing and changes nothing.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit InstantaneousTrendline(std::uint64_t period);

    // The recursion starts with the seventh close.
    static constexpr std::uint32_t kAverageCloses = 6;

    double k_x_;    // a - a^2/4
    double k_p1_;   // a^2/2
    double k_p2_;   // a - 0.75 a^2
    double k_it1_;  // 2 (1 - a)
    double k_it2_;  // (1 - a)^2
    double p1_ = 0.0;  // previous close
    double p2_ = 0.0;  // the close before it
    double it1_ = 0.0;
    double it2_ = 0.0;
    std::uint32_t seen_ = 0;  // earlier closes, up to kAverageCloses
};

}  // namespace prynox
