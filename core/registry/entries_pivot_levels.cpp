// Registry rows of the pivot levels: floor pivots of the bar's own candle, and the eighths of a
// trailing window's range.
#include "core/registry/families.hpp"
#include "indicators/pivot_levels/camarilla.hpp"
#include "indicators/pivot_levels/central_pivot_range.hpp"
#include "indicators/pivot_levels/classic_pivots.hpp"
#include "indicators/pivot_levels/demark_pivots.hpp"
#include "indicators/pivot_levels/fibonacci_pivots.hpp"
#include "indicators/pivot_levels/murrey_math_lines.hpp"
#include "indicators/pivot_levels/woodie_pivots.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Camarilla", Camarilla::create>(),
    row<"CentralPivotRange", CentralPivotRange::create>(),
    row<"ClassicPivots", ClassicPivots::create>(),
    row<"DemarkPivots", DemarkPivots::create>(),
    row<"FibonacciPivots", FibonacciPivots::create>(),
    row<"MurreyMathLines", MurreyMathLines::create>(),
    row<"WoodiePivots", WoodiePivots::create>(),
};

}  // namespace

std::span<const BuilderRow> pivot_levels() { return kRows; }

}  // namespace prynox::registry_family
