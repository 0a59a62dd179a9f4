#include "indicators/window_statistics/variance.hpp"

#include <utility>

#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Variance, IndicatorError> Variance::create(std::uint64_t period) {
    auto sums = MomentSums<2>::create(period);
    if (!sums) return std::unexpected(sums.error());
    return Variance(std::move(*sums));
}

}  // namespace prynox
