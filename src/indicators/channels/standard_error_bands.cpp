#include "indicators/channels/standard_error_bands.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<StandardErrorBands, IndicatorError> StandardErrorBands::create(std::uint64_t period, double multiplier) {
    if (auto e = check_minimum(period, 3, kShortPeriod)) return std::unexpected(*e);
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    return StandardErrorBands(period, multiplier);
}

}  // namespace prynox
