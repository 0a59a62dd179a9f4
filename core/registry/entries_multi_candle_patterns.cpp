// Registry rows of the patterns of four and five candles.
#include "core/registry/families.hpp"
#include "indicators/multi_candle_patterns/breakaway.hpp"
#include "indicators/multi_candle_patterns/concealing_baby_swallow.hpp"
#include "indicators/multi_candle_patterns/falling_three_methods.hpp"
#include "indicators/multi_candle_patterns/ladder_bottom.hpp"
#include "indicators/multi_candle_patterns/mat_hold.hpp"
#include "indicators/multi_candle_patterns/rising_three_methods.hpp"
#include "indicators/multi_candle_patterns/three_line_strike.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Breakaway", Breakaway::create>(),
    row<"ConcealingBabySwallow", ConcealingBabySwallow::create>(),
    row<"FallingThreeMethods", FallingThreeMethods::create>(),
    row<"LadderBottom", LadderBottom::create>(),
    row<"MatHold", MatHold::create>(),
    row<"RisingThreeMethods", RisingThreeMethods::create>(),
    row<"ThreeLineStrike", ThreeLineStrike::create>(),
};

}  // namespace

std::span<const BuilderRow> multi_candle_patterns() { return kRows; }

}  // namespace prynox::registry_family
