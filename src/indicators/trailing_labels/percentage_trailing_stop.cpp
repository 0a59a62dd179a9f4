#include "indicators/trailing_labels/percentage_trailing_stop.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<PercentageTrailingStop, IndicatorError> PercentageTrailingStop::create(double percent) {
    if (auto e = check_multiplier(percent)) return std::unexpected(*e);
    return PercentageTrailingStop(percent);
}

}  // namespace prynox
