#include "indicators/moving_averages/trima.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Trima, IndicatorError> Trima::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Trima(period);
}

}  // namespace prynox
