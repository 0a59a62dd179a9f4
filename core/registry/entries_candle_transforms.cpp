// Registry rows of the candle transforms: the Heikin-Ashi candles and the volume boxes.
#include "core/registry/families.hpp"
#include "indicators/candle_transforms/candle_volume.hpp"
#include "indicators/candle_transforms/equivolume.hpp"
#include "indicators/candle_transforms/heikin_ashi.hpp"
#include "indicators/candle_transforms/smoothed_heikin_ashi.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"CandleVolume", CandleVolume::create>(),
    row<"Equivolume", Equivolume::create>(),
    row<"HeikinAshi", HeikinAshi::create>(),
    row<"SmoothedHeikinAshi", SmoothedHeikinAshi::create>(),
};

}  // namespace

std::span<const BuilderRow> candle_transforms() { return kRows; }

}  // namespace prynox::registry_family
