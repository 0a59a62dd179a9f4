// Registry rows of the two-candle patterns, with the tasuki gap and the hikkake patterns that read
// a row or two more of the same kind.
#include "core/registry/families.hpp"
#include "indicators/two_candle_patterns/counterattack.hpp"
#include "indicators/two_candle_patterns/doji_star.hpp"
#include "indicators/two_candle_patterns/engulfing.hpp"
#include "indicators/two_candle_patterns/harami.hpp"
#include "indicators/two_candle_patterns/harami_cross.hpp"
#include "indicators/two_candle_patterns/hikkake.hpp"
#include "indicators/two_candle_patterns/hikkake_modified.hpp"
#include "indicators/two_candle_patterns/homing_pigeon.hpp"
#include "indicators/two_candle_patterns/in_neck.hpp"
#include "indicators/two_candle_patterns/kicking.hpp"
#include "indicators/two_candle_patterns/kicking_by_length.hpp"
#include "indicators/two_candle_patterns/matching_low.hpp"
#include "indicators/two_candle_patterns/on_neck.hpp"
#include "indicators/two_candle_patterns/piercing_dark_cloud.hpp"
#include "indicators/two_candle_patterns/separating_lines.hpp"
#include "indicators/two_candle_patterns/tasuki_gap.hpp"
#include "indicators/two_candle_patterns/thrusting.hpp"
#include "indicators/two_candle_patterns/tweezer.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Counterattack", Counterattack::create>(),
    row<"DojiStar", DojiStar::create>(),
    row<"Engulfing", Engulfing::create>(),
    row<"Harami", Harami::create>(),
    row<"HaramiCross", HaramiCross::create>(),
    row<"Hikkake", Hikkake::create>(),
    row<"HikkakeModified", HikkakeModified::create>(),
    row<"HomingPigeon", HomingPigeon::create>(),
    row<"InNeck", InNeck::create>(),
    row<"Kicking", Kicking::create>(),
    row<"KickingByLength", KickingByLength::create>(),
    row<"MatchingLow", MatchingLow::create>(),
    row<"OnNeck", OnNeck::create>(),
    row<"PiercingDarkCloud", PiercingDarkCloud::create>(),
    row<"SeparatingLines", SeparatingLines::create>(),
    row<"TasukiGap", TasukiGap::create>(),
    row<"Thrusting", Thrusting::create>(),
    row<"Tweezer", Tweezer::create>(),
};

}  // namespace

std::span<const BuilderRow> two_candle_patterns() { return kRows; }

}  // namespace prynox::registry_family
