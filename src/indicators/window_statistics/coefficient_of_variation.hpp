#pragma once
// Coefficient of variation of the last N closes: population standard deviation over the mean,
// keeping the mean's sign; 0 when the mean is 0.
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/moment_sums.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class CoefficientOfVariation {
public:
    // Window check on the period.
    static std::expected<CoefficientOfVariation, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return sums_.period(); }

private:
    explicit CoefficientOfVariation(MomentSums<2> sums) : sums_(std::move(sums)) {}

    MomentSums<2> sums_;
};

}  // namespace prynox
