#include "indicators/moving_averages/ema.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Ema, IndicatorError> Ema::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Ema(period);
}

}  // namespace prynox
