#pragma once
// The shared constructor checks: the window check, the minimum-length check and the
// multiplier check. Each gives the error of the first failing test, or nothing.
#include <cmath>
#include <cstdint>
#include <optional>

#include "indicators/indicator_error.hpp"

namespace prynox {

using CheckResult = std::optional<IndicatorError>;

// Above MAX_PERIOD only.
constexpr CheckResult check_max_period(std::uint64_t p) {
    if (p > MAX_PERIOD) return IndicatorError::invalid_period(kMaxPeriodMessage);
    return std::nullopt;
}

// Zero first, then the maximum.
constexpr CheckResult check_window(std::uint64_t p) {
    if (p == 0) return IndicatorError::zero_period();
    return check_max_period(p);
}

// A minimum length k with the type's own message (which also covers 0), then the maximum.
constexpr CheckResult check_minimum(std::uint64_t p, std::uint64_t k, const char* message) {
    if (p < k) return IndicatorError::invalid_period(message);
    return check_max_period(p);
}

// A band or stop multiplier: finite and strictly positive (subnormals pass).
inline CheckResult check_multiplier(double m) {
    if (!(std::isfinite(m) && m > 0.0)) return IndicatorError::non_positive_multiplier();
    return std::nullopt;
}

}  // namespace prynox
