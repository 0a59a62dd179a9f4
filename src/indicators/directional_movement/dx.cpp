#include "indicators/directional_movement/dx.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Dx, IndicatorError> Dx::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Dx(period);
}

}  // namespace prynox
