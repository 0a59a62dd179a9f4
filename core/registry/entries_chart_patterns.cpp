// Registry rows of the chart patterns. None takes parameters; any given are ignored.
#include "core/registry/families.hpp"
#include "indicators/chart_patterns/cup_and_handle.hpp"
#include "indicators/chart_patterns/double_top_bottom.hpp"
#include "indicators/chart_patterns/flag_pennant.hpp"
#include "indicators/chart_patterns/head_and_shoulders.hpp"
#include "indicators/chart_patterns/rectangle_range.hpp"
#include "indicators/chart_patterns/triangle.hpp"
#include "indicators/chart_patterns/triple_top_bottom.hpp"
#include "indicators/chart_patterns/wedge.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"CupAndHandle", CupAndHandle::create>(),
    row<"DoubleTopBottom", DoubleTopBottom::create>(),
    row<"FlagPennant", FlagPennant::create>(),
    row<"HeadAndShoulders", HeadAndShoulders::create>(),
    row<"RectangleRange", RectangleRange::create>(),
    row<"Triangle", Triangle::create>(),
    row<"TripleTopBottom", TripleTopBottom::create>(),
    row<"Wedge", Wedge::create>(),
};

}  // namespace

std::span<const BuilderRow> chart_patterns() { return kRows; }

}  // namespace prynox::registry_family
