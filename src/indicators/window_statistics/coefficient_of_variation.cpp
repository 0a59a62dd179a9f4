#include "indicators/window_statistics/coefficient_of_variation.hpp"

#include <cmath>
#include <utility>

#include "indicators/cores/finite_result.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<CoefficientOfVariation, IndicatorError> CoefficientOfVariation::create(std::uint64_t period) {
    auto sums = MomentSums<2>::create(period);
    if (!sums) return std::unexpected(sums.error());
    return CoefficientOfVariation(std::move(*sums));
}

OptionalValue CoefficientOfVariation::update_value(double x) {
    if (!std::isfinite(x) || !sums_.push(x) || !sums_.full()) return std::nullopt;
    double mean = sums_.mean();
    if (mean == 0.0) return 0.0;
    return finite_result(std::sqrt(sums_.variance()) / mean);
}

}  // namespace prynox
