// Registry rows of the market-breadth types. A run carries no cross-section list, so in a run
// they build, count towards the warm-up and give no value.
#include "core/registry/families.hpp"
#include "indicators/market_breadth/absolute_breadth_index.hpp"
#include "indicators/market_breadth/ad_volume_line.hpp"
#include "indicators/market_breadth/advance_decline.hpp"
#include "indicators/market_breadth/advance_decline_ratio.hpp"
#include "indicators/market_breadth/breadth_thrust.hpp"
#include "indicators/market_breadth/bullish_percent_index.hpp"
#include "indicators/market_breadth/cumulative_volume_index.hpp"
#include "indicators/market_breadth/high_low_index.hpp"
#include "indicators/market_breadth/mcclellan_oscillator.hpp"
#include "indicators/market_breadth/mcclellan_summation_index.hpp"
#include "indicators/market_breadth/new_highs_new_lows.hpp"
#include "indicators/market_breadth/percent_above_ma.hpp"
#include "indicators/market_breadth/tick_index.hpp"
#include "indicators/market_breadth/trin.hpp"
#include "indicators/market_breadth/up_down_volume_ratio.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AbsoluteBreadthIndex", AbsoluteBreadthIndex::create>(),
    row<"AdVolumeLine", AdVolumeLine::create>(),
    row<"AdvanceDecline", AdvanceDecline::create>(),
    row<"AdvanceDeclineRatio", AdvanceDeclineRatio::create>(),
    row<"BreadthThrust", BreadthThrust::create>(),
    row<"BullishPercentIndex", BullishPercentIndex::create>(),
    row<"CumulativeVolumeIndex", CumulativeVolumeIndex::create>(),
    row<"HighLowIndex", HighLowIndex::create>(),
    row<"McClellanOscillator", McClellanOscillator::create>(),
    row<"McClellanSummationIndex", McClellanSummationIndex::create>(),
    row<"NewHighsNewLows", NewHighsNewLows::create>(),
    row<"PercentAboveMa", PercentAboveMa::create>(),
    row<"TickIndex", TickIndex::create>(),
    row<"Trin", Trin::create>(),
    row<"UpDownVolumeRatio", UpDownVolumeRatio::create>(),
};

}  // namespace

std::span<const BuilderRow> market_breadth() { return kRows; }

}  // namespace prynox::registry_family
