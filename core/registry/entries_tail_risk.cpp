// Registry rows of the tail-risk measures of a window of per-bar returns.
#include "core/registry/families.hpp"
#include "indicators/tail_risk/common_sense_ratio.hpp"
#include "indicators/tail_risk/conditional_value_at_risk.hpp"
#include "indicators/tail_risk/tail_ratio.hpp"
#include "indicators/tail_risk/value_at_risk.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"CommonSenseRatio", CommonSenseRatio::create>(),
    row<"ConditionalValueAtRisk", ConditionalValueAtRisk::create>(),
    row<"TailRatio", TailRatio::create>(),
    row<"ValueAtRisk", ValueAtRisk::create>(),
};

}  // namespace

std::span<const BuilderRow> tail_risk() { return kRows; }

}  // namespace prynox::registry_family
