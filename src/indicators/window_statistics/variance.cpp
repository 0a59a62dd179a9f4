#include "indicators/window_statistics/variance.hpp"

#include <cmath>
#include <utility>

#include "indicators/cores/finite_result.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Variance, IndicatorError> Variance::create(std::uint64_t period) {
    auto sums = MomentSums<2>::create(period);
    if (!sums) return std::unexpected(sums.error());
    return Variance(std::move(*sums));
}

OptionalValue Variance::update_value(double x) {
    if (!std::isfinite(x) || !sums_.push(x) || !sums_.full()) return std::nullopt;
    return finite_result(sums_.variance());
}

}  // namespace prynox
