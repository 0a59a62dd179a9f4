// Registry rows of the volatility measures of the close.
#include "core/registry/families.hpp"
#include "indicators/volatility/bipower_variation.hpp"
#include "indicators/volatility/ewma_volatility.hpp"
#include "indicators/volatility/garch11.hpp"
#include "indicators/volatility/historical_volatility.hpp"
#include "indicators/volatility/jump_indicator.hpp"
#include "indicators/volatility/realized_volatility.hpp"
#include "indicators/volatility/rvi_volatility.hpp"
#include "indicators/volatility/ulcer_index.hpp"
#include "indicators/volatility/volatility_of_volatility.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"BipowerVariation", BipowerVariation::create>(),
    row<"EwmaVolatility", EwmaVolatility::create>(),
    row<"Garch11", Garch11::create>(),
    row<"HistoricalVolatility", HistoricalVolatility::create>(),
    row<"JumpIndicator", JumpIndicator::create>(),
    row<"RealizedVolatility", RealizedVolatility::create>(),
    row<"RviVolatility", RviVolatility::create>(),
    row<"UlcerIndex", UlcerIndex::create>(),
    row<"VolatilityOfVolatility", VolatilityOfVolatility::create>(),
};

}  // namespace

std::span<const BuilderRow> volatility() { return kRows; }

}  // namespace prynox::registry_family
