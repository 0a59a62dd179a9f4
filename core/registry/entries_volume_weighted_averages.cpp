// Registry rows of the volume-weighted averages and session VWAP.
#include "core/registry/families.hpp"
#include "indicators/volume_weighted_averages/evwma.hpp"
#include "indicators/volume_weighted_averages/rolling_vwap.hpp"
#include "indicators/volume_weighted_averages/session_vwap.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Evwma", Evwma::create>(),
    row<"RollingVwap", RollingVwap::create>(),
    row<"SessionVwap", SessionVwap::create>(),
};

}  // namespace

std::span<const BuilderRow> volume_weighted_averages() { return kRows; }

}  // namespace prynox::registry_family
