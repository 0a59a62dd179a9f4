#include "indicators/volatility/jump_indicator.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<JumpIndicator, IndicatorError> JumpIndicator::create(std::uint64_t period, double threshold) {
    if (auto e = check_minimum(period, 2, kJumpIndicatorPeriodMessage)) return std::unexpected(*e);
    if (!(std::isfinite(threshold) && threshold > 0.0))
        return std::unexpected(IndicatorError::invalid_parameter(kJumpIndicatorThresholdMessage));
    return JumpIndicator(period, threshold);
}

OptionalValue JumpIndicator::update_value(double x) {
    auto r = input_.next(x);
    if (!r) return std::nullopt;
    OptionalValue value;
    if (returns_.full()) {
        // Judged against the window before r enters it.
        double v = returns_.sample_variance();
        if (v == 0.0) {
            value = 0.0;
        } else {
            double m = returns_.mean();
            double sd = std::sqrt(v);
            double t = threshold_;
            double dev = *r - m;
            value = dev > sd * t ? 1.0 : (dev < -(t * sd) ? -1.0 : 0.0);
        }
    }
    if (!returns_.push(*r)) return std::nullopt;
    return value;
}

}  // namespace prynox
