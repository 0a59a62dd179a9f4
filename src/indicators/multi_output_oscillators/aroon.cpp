#include "indicators/multi_output_oscillators/aroon.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Aroon, IndicatorError> Aroon::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Aroon(period);
}

}  // namespace prynox
