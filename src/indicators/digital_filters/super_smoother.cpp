#include "indicators/digital_filters/super_smoother.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<SuperSmoother, IndicatorError> SuperSmoother::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return SuperSmoother(period);
}

}  // namespace prynox
