#pragma once
// Jump indicator: +1 when a log return lies more than t sample standard deviations above the
// mean of the N returns before it, -1 when more than t below, else 0 (0 also when those N
// returns do not vary).
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/log_return_input.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/shifted_sums_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kJumpIndicatorPeriodMessage = "jump indicator needs period >= 2";
inline constexpr const char* kJumpIndicatorThresholdMessage = "jump indicator threshold must be finite and positive";

class JumpIndicator {
public:
    // The minimum of 2 with MAX_PERIOD, then the threshold finite and > 0.
    static std::expected<JumpIndicator, IndicatorError> create(std::uint64_t period, double threshold);

    OptionalValue update_value(double x);
    // N + 2
    std::uint64_t warmup_period() const { return sat_add(returns_.length(), 2); }

private:
    JumpIndicator(std::uint64_t period, double threshold) : returns_(period), threshold_(threshold) {}

    LogReturnInput input_;
    ShiftedSumsWindow returns_;
    double threshold_;
};

}  // namespace prynox
