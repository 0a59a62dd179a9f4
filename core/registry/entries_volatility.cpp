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

const BuilderRow kRows[] = {
    {"BipowerVariation", [](const ParamValues& p) { return box_close(BipowerVariation::create(p.window(0))); }},
    {"EwmaVolatility", [](const ParamValues& p) { return box_close(EwmaVolatility::create(p.real(0))); }},
    {"Garch11",
     [](const ParamValues& p) { return box_close(Garch11::create(p.real(0), p.real(1), p.real(2))); }},
    {"HistoricalVolatility",
     [](const ParamValues& p) { return box_close(HistoricalVolatility::create(p.window(0), p.window(1))); }},
    {"JumpIndicator",
     [](const ParamValues& p) { return box_close(JumpIndicator::create(p.window(0), p.real(1))); }},
    {"RealizedVolatility", [](const ParamValues& p) { return box_close(RealizedVolatility::create(p.window(0))); }},
    {"RviVolatility", [](const ParamValues& p) { return box_close(RviVolatility::create(p.window(0))); }},
    {"UlcerIndex", [](const ParamValues& p) { return box_close(UlcerIndex::create(p.window(0))); }},
    {"VolatilityOfVolatility",
     [](const ParamValues& p) { return box_close(VolatilityOfVolatility::create(p.window(0), p.window(1))); }},
};

}  // namespace

std::span<const BuilderRow> volatility() { return kRows; }

}  // namespace prynox::registry_family
