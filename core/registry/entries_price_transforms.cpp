// Registry rows of the price transforms and bar measures of the current candle.
#include "core/registry/families.hpp"
#include "indicators/price_transforms/avg_price.hpp"
#include "indicators/price_transforms/balance_of_power.hpp"
#include "indicators/price_transforms/body_size_pct.hpp"
#include "indicators/price_transforms/close_vs_open.hpp"
#include "indicators/price_transforms/high_low_range.hpp"
#include "indicators/price_transforms/intraday_intensity.hpp"
#include "indicators/price_transforms/market_facilitation_index.hpp"
#include "indicators/price_transforms/median_price.hpp"
#include "indicators/price_transforms/shadow_ratio.hpp"
#include "indicators/price_transforms/true_range.hpp"
#include "indicators/price_transforms/typical_price.hpp"
#include "indicators/price_transforms/weighted_close.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AvgPrice", AvgPrice::create>(),
    row<"BalanceOfPower", BalanceOfPower::create>(),
    row<"BodySizePct", BodySizePct::create>(),
    row<"CloseVsOpen", CloseVsOpen::create>(),
    row<"HighLowRange", HighLowRange::create>(),
    row<"IntradayIntensity", IntradayIntensity::create>(),
    row<"MarketFacilitationIndex", MarketFacilitationIndex::create>(),
    row<"MedianPrice", MedianPrice::create>(),
    row<"ShadowRatio", ShadowRatio::create>(),
    row<"TrueRange", TrueRange::create>(),
    row<"TypicalPrice", TypicalPrice::create>(),
    row<"WeightedClose", WeightedClose::create>(),
};

}  // namespace

std::span<const BuilderRow> price_transforms() { return kRows; }

}  // namespace prynox::registry_family
