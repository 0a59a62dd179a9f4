// Registry rows of the market profiles: rolling price histograms of the window's candles, their
// value areas and volume nodes, volume-weighted support and resistance, the volatility cone.
#include "core/registry/families.hpp"
#include "indicators/market_profiles/composite_profile.hpp"
#include "indicators/market_profiles/high_low_volume_nodes.hpp"
#include "indicators/market_profiles/tpo_profile.hpp"
#include "indicators/market_profiles/value_area.hpp"
#include "indicators/market_profiles/volatility_cone.hpp"
#include "indicators/market_profiles/volume_profile.hpp"
#include "indicators/market_profiles/volume_weighted_sr.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"CompositeProfile", CompositeProfile::create>(),
    row<"HighLowVolumeNodes", HighLowVolumeNodes::create>(),
    row<"TpoProfile", TpoProfile::create>(),
    row<"ValueArea", ValueArea::create>(),
    row<"VolatilityCone", VolatilityCone::create>(),
    row<"VolumeProfile", VolumeProfile::create>(),
    row<"VolumeWeightedSr", VolumeWeightedSr::create>(),
};

}  // namespace

std::span<const BuilderRow> market_profiles() { return kRows; }

}  // namespace prynox::registry_family
