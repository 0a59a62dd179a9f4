#include "indicators/moving_averages/zlema.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Zlema, IndicatorError> Zlema::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Zlema(period);
}

Zlema::Zlema(std::uint64_t period)
    : lag_(period == 0 ? 0 : (period - 1) / 2), window_(lag_ + 1), ema_(period == 0 ? 1 : period) {}

}  // namespace prynox
