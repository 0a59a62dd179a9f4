// Registry rows of the reversal and trend signals.
#include "core/registry/families.hpp"
#include "indicators/reversal_signals/new_price_lines.hpp"
#include "indicators/reversal_signals/pivot_reversal.hpp"
#include "indicators/reversal_signals/three_line_break.hpp"
#include "indicators/reversal_signals/ttm_trend.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"NewPriceLines", NewPriceLines::create>(),
    row<"PivotReversal", PivotReversal::create>(),
    row<"ThreeLineBreak", ThreeLineBreak::create>(),
    row<"TtmTrend", TtmTrend::create>(),
};

}  // namespace

std::span<const BuilderRow> reversal_signals() { return kRows; }

}  // namespace prynox::registry_family
