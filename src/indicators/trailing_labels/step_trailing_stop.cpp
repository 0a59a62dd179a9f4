#include "indicators/trailing_labels/step_trailing_stop.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<StepTrailingStop, IndicatorError> StepTrailingStop::create(double step) {
    if (auto e = check_multiplier(step)) return std::unexpected(*e);
    return StepTrailingStop(step);
}

}  // namespace prynox
