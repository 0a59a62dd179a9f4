#pragma once
// Cybernetic cycle: a four-bar weighted smoothing of the close followed by a two-pole
// high-pass on alpha = 2 / (period + 1); the first two bars use the plain second difference.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class CyberneticCycle {
public:
    // Window check on the period.
    static std::expected<CyberneticCycle, IndicatorError> create(std::uint64_t period);

    // A step that overflows gives nothing and changes nothing.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit CyberneticCycle(std::uint64_t period);

    double k_in_;  // (1 - a/2)^2
    double k_c1_;  // 2 (1 - a)
    double k_c2_;  // (1 - a)^2
    // Previous three closes, previous two smoothed values and previous two cycle values,
    // newest first; `seen_` of each are present.
    double p1_ = 0.0, p2_ = 0.0, p3_ = 0.0;
    double q1_ = 0.0, q2_ = 0.0;
    double c1_ = 0.0, c2_ = 0.0;
    std::uint32_t seen_ = 0;  // earlier closes, up to 3
};

}  // namespace prynox
