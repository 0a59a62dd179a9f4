#include "indicators/directional_movement/natr.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Natr, IndicatorError> Natr::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Natr(period);
}

}  // namespace prynox
