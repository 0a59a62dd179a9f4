#pragma once
// Value at risk of a window of per-bar returns (the closes themselves): the loss at the
// (1 - c) quantile, interpolated between the neighbouring order statistics, as a non-negative
// number.
#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kValueAtRiskPeriodMessage = "value-at-risk needs period >= 2";
inline constexpr const char* kConfidenceMessage = "confidence must lie strictly between 0 and 1";

// The confidence check of the value-at-risk types: finite and strictly inside (0, 1).
inline CheckResult check_confidence(double c) {
    if (!(std::isfinite(c) && c > 0.0 && c < 1.0)) return IndicatorError::invalid_period(kConfidenceMessage);
    return std::nullopt;
}

class ValueAtRisk {
public:
    // The minimum of 2 with MAX_PERIOD, then the confidence.
    static std::expected<ValueAtRisk, IndicatorError> create(std::uint64_t period, double confidence);

    // Nothing for a bar whose quantile is not finite.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    ValueAtRisk(std::uint64_t period, double confidence);

    SortedWindow window_;
    // h = (1 - c)(N - 1) split into its floor, its ceiling and the fraction between them.
    std::size_t lo_;
    std::size_t hi_;
    double fraction_;
};

}  // namespace prynox
