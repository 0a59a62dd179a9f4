#include "indicators/directional_movement/plus_di.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<PlusDi, IndicatorError> PlusDi::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return PlusDi(period);
}

}  // namespace prynox
