#include "indicators/moving_averages/ehma.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Ehma, IndicatorError> Ehma::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Ehma(period);
}

}  // namespace prynox
