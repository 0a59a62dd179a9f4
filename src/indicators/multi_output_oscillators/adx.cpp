#include "indicators/multi_output_oscillators/adx.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Adx, IndicatorError> Adx::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Adx(period);
}

}  // namespace prynox
