// Registry rows of the derivatives types, which read the bar's derivatives tick.
#include "core/registry/families.hpp"
#include "indicators/derivatives/calendar_spread.hpp"
#include "indicators/derivatives/funding_basis.hpp"
#include "indicators/derivatives/funding_implied_apr.hpp"
#include "indicators/derivatives/funding_rate.hpp"
#include "indicators/derivatives/funding_rate_mean.hpp"
#include "indicators/derivatives/funding_rate_z_score.hpp"
#include "indicators/derivatives/liquidation_features.hpp"
#include "indicators/derivatives/long_short_ratio.hpp"
#include "indicators/derivatives/oi_price_divergence.hpp"
#include "indicators/derivatives/oi_to_volume_ratio.hpp"
#include "indicators/derivatives/oi_weighted.hpp"
#include "indicators/derivatives/open_interest_delta.hpp"
#include "indicators/derivatives/open_interest_momentum.hpp"
#include "indicators/derivatives/perpetual_premium_index.hpp"
#include "indicators/derivatives/taker_buy_sell_ratio.hpp"
#include "indicators/derivatives/term_structure_basis.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"CalendarSpread", CalendarSpread::create>(),
    row<"FundingBasis", FundingBasis::create>(),
    row<"FundingImpliedApr", FundingImpliedApr::create>(),
    row<"FundingRate", FundingRate::create>(),
    row<"FundingRateMean", FundingRateMean::create>(),
    row<"FundingRateZScore", FundingRateZScore::create>(),
    row<"LiquidationFeatures", LiquidationFeatures::create>(),
    row<"LongShortRatio", LongShortRatio::create>(),
    row<"OIPriceDivergence", OIPriceDivergence::create>(),
    row<"OIWeighted", OIWeighted::create>(),
    row<"OiToVolumeRatio", OiToVolumeRatio::create>(),
    row<"OpenInterestDelta", OpenInterestDelta::create>(),
    row<"OpenInterestMomentum", OpenInterestMomentum::create>(),
    row<"PerpetualPremiumIndex", PerpetualPremiumIndex::create>(),
    row<"TakerBuySellRatio", TakerBuySellRatio::create>(),
    row<"TermStructureBasis", TermStructureBasis::create>(),
};

}  // namespace

std::span<const BuilderRow> derivatives() { return kRows; }

}  // namespace prynox::registry_family
