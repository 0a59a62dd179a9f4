#include "indicators/momentum/pmo.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>

namespace prynox {

std::expected<Pmo, IndicatorError> Pmo::create(std::uint64_t first, std::uint64_t second) {
    if (first == 0 || second == 0) return std::unexpected(IndicatorError::zero_period());
    if (first < 2 || second < 2) return std::unexpected(IndicatorError::invalid_period(kPmoPeriodMessage));
    return Pmo(first, second);
}

OptionalValue Pmo::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!has_previous_) [[unlikely]] {
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    double r = previous_ == 0.0 ? 0.0 : (x / previous_ - 1.0) * 100.0;
    // The close moves on even when its rate of change is refused below.
    previous_ = x;
    if (!std::isfinite(r)) return std::nullopt;
    // Both stages start at their first input, so each yields a value on every step.
    double s1 = *first_.step(r);
    double t = s1 * 10.0;
    if (!std::isfinite(t)) return std::nullopt;
    return second_.step(t);
}

}  // namespace prynox
