#include "indicators/moving_averages/mid_point.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<MidPoint, IndicatorError> MidPoint::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return MidPoint(period);
}

}  // namespace prynox
