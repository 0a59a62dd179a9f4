// Registry rows of the DeMark sequences and levels: the sequential counts, the lines and risk
// levels of completed runs, the midpoint averages and the range projection.
#include "core/registry/families.hpp"
#include "indicators/demark_sequences/td_lines.hpp"
#include "indicators/demark_sequences/td_moving_average.hpp"
#include "indicators/demark_sequences/td_range_projection.hpp"
#include "indicators/demark_sequences/td_risk_level.hpp"
#include "indicators/demark_sequences/td_sequential.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"TdLines", TdLines::create>(),
    row<"TdMovingAverage", TdMovingAverage::create>(),
    row<"TdRangeProjection", TdRangeProjection::create>(),
    row<"TdRiskLevel", TdRiskLevel::create>(),
    row<"TdSequential", TdSequential::create>(),
};

}  // namespace

std::span<const BuilderRow> demark_sequences() { return kRows; }

}  // namespace prynox::registry_family
