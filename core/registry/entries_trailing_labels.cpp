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

const BuilderRow kRows[] = {
    {"PercentageTrailingStop",
     [](const ParamValues& p) { return box_close(PercentageTrailingStop::create(p.real(0))); }},
    {"RegimeLabel", [](const ParamValues& p) { return box_close(RegimeLabel::create(p.window(0), p.window(1))); }},
    {"RenkoTrailingStop", [](const ParamValues& p) { return box_close(RenkoTrailingStop::create(p.real(0))); }},
    {"StepTrailingStop", [](const ParamValues& p) { return box_close(StepTrailingStop::create(p.real(0))); }},
    {"TrendLabel", [](const ParamValues& p) { return box_close(TrendLabel::create(p.window(0))); }},
    {"TrendStrengthIndex", [](const ParamValues& p) { return box_close(TrendStrengthIndex::create(p.window(0))); }},
};

}  // namespace

std::span<const BuilderRow> trailing_labels() { return kRows; }

}  // namespace prynox::registry_family
