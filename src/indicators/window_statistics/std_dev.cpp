#include "indicators/window_statistics/std_dev.hpp"

#include <utility>

#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<StdDev, IndicatorError> StdDev::create(std::uint64_t period) {
    auto sums = MomentSums<2>::create(period);
    if (!sums) return std::unexpected(sums.error());
    return StdDev(std::move(*sums));
}

}  // namespace prynox
