#include "indicators/moving_averages/dema.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Dema, IndicatorError> Dema::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Dema(period);
}

}  // namespace prynox
