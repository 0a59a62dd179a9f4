// Registry rows of the volume-weighted prices: the VWAP since the first candle (under two
// names) and the windowed volume-weighted average of the close.
#include "core/registry/families.hpp"
#include "indicators/volume_weighted_prices/anchored_vwap.hpp"
#include "indicators/volume_weighted_prices/vwap.hpp"
#include "indicators/volume_weighted_prices/vwma.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AnchoredVwap", AnchoredVwap::create>(),
    row<"Vwap", Vwap::create>(),
    row<"Vwma", Vwma::create>(),
};

}  // namespace

std::span<const BuilderRow> volume_weighted_prices() { return kRows; }

}  // namespace prynox::registry_family
