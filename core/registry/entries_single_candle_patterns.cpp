// Registry rows of the single-candle patterns.
#include "core/registry/families.hpp"
#include "indicators/single_candle_patterns/belt_hold.hpp"
#include "indicators/single_candle_patterns/closing_marubozu.hpp"
#include "indicators/single_candle_patterns/doji.hpp"
#include "indicators/single_candle_patterns/dragonfly_doji.hpp"
#include "indicators/single_candle_patterns/gravestone_doji.hpp"
#include "indicators/single_candle_patterns/hammer.hpp"
#include "indicators/single_candle_patterns/hanging_man.hpp"
#include "indicators/single_candle_patterns/high_wave.hpp"
#include "indicators/single_candle_patterns/inverted_hammer.hpp"
#include "indicators/single_candle_patterns/long_legged_doji.hpp"
#include "indicators/single_candle_patterns/long_line.hpp"
#include "indicators/single_candle_patterns/marubozu.hpp"
#include "indicators/single_candle_patterns/opening_marubozu.hpp"
#include "indicators/single_candle_patterns/rickshaw_man.hpp"
#include "indicators/single_candle_patterns/shooting_star.hpp"
#include "indicators/single_candle_patterns/short_line.hpp"
#include "indicators/single_candle_patterns/spinning_top.hpp"
#include "indicators/single_candle_patterns/takuri.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"BeltHold", BeltHold::create>(),
    row<"ClosingMarubozu", ClosingMarubozu::create>(),
    row<"Doji", Doji::create>(),
    row<"DragonflyDoji", DragonflyDoji::create>(),
    row<"GravestoneDoji", GravestoneDoji::create>(),
    row<"Hammer", Hammer::create>(),
    row<"HangingMan", HangingMan::create>(),
    row<"HighWave", HighWave::create>(),
    row<"InvertedHammer", InvertedHammer::create>(),
    row<"LongLeggedDoji", LongLeggedDoji::create>(),
    row<"LongLine", LongLine::create>(),
    row<"Marubozu", Marubozu::create>(),
    row<"OpeningMarubozu", OpeningMarubozu::create>(),
    row<"RickshawMan", RickshawMan::create>(),
    row<"ShootingStar", ShootingStar::create>(),
    row<"ShortLine", ShortLine::create>(),
    row<"SpinningTop", SpinningTop::create>(),
    row<"Takuri", Takuri::create>(),
};

}  // namespace

std::span<const BuilderRow> single_candle_patterns() { return kRows; }

}  // namespace prynox::registry_family
