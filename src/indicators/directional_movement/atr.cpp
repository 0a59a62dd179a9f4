#include "indicators/directional_movement/atr.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Atr, IndicatorError> Atr::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Atr(period);
}

}  // namespace prynox
