// Registry rows of the volume classification and pressure lines.
#include "core/registry/families.hpp"
#include "indicators/volume_pressure/better_volume.hpp"
#include "indicators/volume_pressure/demand_index.hpp"
#include "indicators/volume_pressure/trade_volume_index.hpp"
#include "indicators/volume_pressure/tsv.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"BetterVolume", BetterVolume::create>(),
    row<"DemandIndex", DemandIndex::create>(),
    row<"TradeVolumeIndex", TradeVolumeIndex::create>(),
    row<"Tsv", Tsv::create>(),
};

}  // namespace

std::span<const BuilderRow> volume_pressure() { return kRows; }

}  // namespace prynox::registry_family
