#include "indicators/directional_movement/minus_dm.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<MinusDm, IndicatorError> MinusDm::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return MinusDm(period);
}

}  // namespace prynox
