// Registry rows of the trailing stops and the trend and regime labels over the close.
#include "core/registry/families.hpp"
#include "indicators/trailing_labels/percentage_trailing_stop.hpp"
#include "indicators/trailing_labels/regime_label.hpp"
#include "indicators/trailing_labels/renko_trailing_stop.hpp"
#include "indicators/trailing_labels/step_trailing_stop.hpp"
#include "indicators/trailing_labels/trend_label.hpp"
#include "indicators/trailing_labels/trend_strength_index.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"PercentageTrailingStop", PercentageTrailingStop::create>(),
    row<"RegimeLabel", RegimeLabel::create>(),
    row<"RenkoTrailingStop", RenkoTrailingStop::create>(),
    row<"StepTrailingStop", StepTrailingStop::create>(),
    row<"TrendLabel", TrendLabel::create>(),
    row<"TrendStrengthIndex", TrendStrengthIndex::create>(),
};

}  // namespace

std::span<const BuilderRow> trailing_labels() { return kRows; }

}  // namespace prynox::registry_family
