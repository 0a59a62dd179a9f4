#include "indicators/directional_movement/minus_di.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<MinusDi, IndicatorError> MinusDi::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return MinusDi(period);
}

}  // namespace prynox
