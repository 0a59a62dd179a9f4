// Registry rows of the tail-risk measures of a window of per-bar returns.
#include "core/registry/families.hpp"
#include "indicators/tail_risk/common_sense_ratio.hpp"
#include "indicators/tail_risk/conditional_value_at_risk.hpp"
#include "indicators/tail_risk/tail_ratio.hpp"
#include "indicators/tail_risk/value_at_risk.hpp"

namespace prynox::registry_family {

namespace {

const BuilderRow kRows[] = {
    {"CommonSenseRatio", [](const ParamValues& p) { return box_close(CommonSenseRatio::create(p.window(0))); }},
    {"ConditionalValueAtRisk",
     [](const ParamValues& p) { return box_close(ConditionalValueAtRisk::create(p.window(0), p.real(1))); }},
    {"TailRatio", [](const ParamValues& p) { return box_close(TailRatio::create(p.window(0))); }},
    {"ValueAtRisk", [](const ParamValues& p) { return box_close(ValueAtRisk::create(p.window(0), p.real(1))); }},
};

}  // namespace

std::span<const BuilderRow> tail_risk() { return kRows; }

}  // namespace prynox::registry_family
