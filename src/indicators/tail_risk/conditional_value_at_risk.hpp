#pragma once
// Conditional value at risk of a window of per-bar returns (the closes themselves): the mean
// of the k lowest values, k = floor((1 - c) N) raised to 1, as a non-negative loss.
#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/tail_risk/value_at_risk.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kConditionalValueAtRiskPeriodMessage = "conditional value-at-risk needs period >= 2";

class ConditionalValueAtRisk {
public:
    // The minimum of 2 with MAX_PERIOD, then the confidence.
    static std::expected<ConditionalValueAtRisk, IndicatorError> create(std::uint64_t period, double confidence);

    // Nothing for a bar whose tail mean is not finite.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    ConditionalValueAtRisk(std::uint64_t period, double confidence);

    SortedWindow window_;
    std::size_t k_;
    double k_real_;
};

}  // namespace prynox
