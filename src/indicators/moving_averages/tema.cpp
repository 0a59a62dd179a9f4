#include "indicators/moving_averages/tema.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Tema, IndicatorError> Tema::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Tema(period);
}

}  // namespace prynox
