// Registry rows of the three-candle patterns.
#include "core/registry/families.hpp"
#include "indicators/three_candle_patterns/abandoned_baby.hpp"
#include "indicators/three_candle_patterns/advance_block.hpp"
#include "indicators/three_candle_patterns/downside_gap_three_methods.hpp"
#include "indicators/three_candle_patterns/evening_doji_star.hpp"
#include "indicators/three_candle_patterns/gap_side_by_side_white.hpp"
#include "indicators/three_candle_patterns/identical_three_crows.hpp"
#include "indicators/three_candle_patterns/morning_doji_star.hpp"
#include "indicators/three_candle_patterns/morning_evening_star.hpp"
#include "indicators/three_candle_patterns/stalled_pattern.hpp"
#include "indicators/three_candle_patterns/stick_sandwich.hpp"
#include "indicators/three_candle_patterns/three_inside.hpp"
#include "indicators/three_candle_patterns/three_outside.hpp"
#include "indicators/three_candle_patterns/three_soldiers_or_crows.hpp"
#include "indicators/three_candle_patterns/three_stars_in_south.hpp"
#include "indicators/three_candle_patterns/tower_top_bottom.hpp"
#include "indicators/three_candle_patterns/tristar.hpp"
#include "indicators/three_candle_patterns/two_crows.hpp"
#include "indicators/three_candle_patterns/unique_three_river.hpp"
#include "indicators/three_candle_patterns/upside_gap_three_methods.hpp"
#include "indicators/three_candle_patterns/upside_gap_two_crows.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AbandonedBaby", AbandonedBaby::create>(),
    row<"AdvanceBlock", AdvanceBlock::create>(),
    row<"DownsideGapThreeMethods", DownsideGapThreeMethods::create>(),
    row<"EveningDojiStar", EveningDojiStar::create>(),
    row<"GapSideBySideWhite", GapSideBySideWhite::create>(),
    row<"IdenticalThreeCrows", IdenticalThreeCrows::create>(),
    row<"MorningDojiStar", MorningDojiStar::create>(),
    row<"MorningEveningStar", MorningEveningStar::create>(),
    row<"StalledPattern", StalledPattern::create>(),
    row<"StickSandwich", StickSandwich::create>(),
    row<"ThreeInside", ThreeInside::create>(),
    row<"ThreeOutside", ThreeOutside::create>(),
    row<"ThreeSoldiersOrCrows", ThreeSoldiersOrCrows::create>(),
    row<"ThreeStarsInSouth", ThreeStarsInSouth::create>(),
    row<"TowerTopBottom", TowerTopBottom::create>(),
    row<"Tristar", Tristar::create>(),
    row<"TwoCrows", TwoCrows::create>(),
    row<"UniqueThreeRiver", UniqueThreeRiver::create>(),
    row<"UpsideGapThreeMethods", UpsideGapThreeMethods::create>(),
    row<"UpsideGapTwoCrows", UpsideGapTwoCrows::create>(),
};

}  // namespace

std::span<const BuilderRow> three_candle_patterns() { return kRows; }

}  // namespace prynox::registry_family
