#include "indicators/moving_averages/hma.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Hma, IndicatorError> Hma::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Hma(period);
}

}  // namespace prynox
