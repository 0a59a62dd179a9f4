#include "indicators/bands/atr_bands.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<AtrBands, IndicatorError> AtrBands::create(std::uint64_t period, double multiplier) {
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    if (auto e = check_window(period)) return std::unexpected(*e);
    return AtrBands(period, multiplier);
}

}  // namespace prynox
