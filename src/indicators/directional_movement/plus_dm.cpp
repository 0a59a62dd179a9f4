#include "indicators/directional_movement/plus_dm.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<PlusDm, IndicatorError> PlusDm::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return PlusDm(period);
}

}  // namespace prynox
