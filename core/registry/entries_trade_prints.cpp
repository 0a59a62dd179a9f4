// Registry rows of the trade-print types.
#include "core/registry/families.hpp"
#include "indicators/trade_prints/amihud_illiquidity.hpp"
#include "indicators/trade_prints/cumulative_volume_delta.hpp"
#include "indicators/trade_prints/pin.hpp"
#include "indicators/trade_prints/roll_measure.hpp"
#include "indicators/trade_prints/signed_volume.hpp"
#include "indicators/trade_prints/trade_imbalance.hpp"
#include "indicators/trade_prints/trade_sign_autocorrelation.hpp"
#include "indicators/trade_prints/vpin.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AmihudIlliquidity", AmihudIlliquidity::create>(),
    row<"CumulativeVolumeDelta", CumulativeVolumeDelta::create>(),
    row<"Pin", Pin::create>(),
    row<"RollMeasure", RollMeasure::create>(),
    row<"SignedVolume", SignedVolume::create>(),
    row<"TradeImbalance", TradeImbalance::create>(),
    row<"TradeSignAutocorrelation", TradeSignAutocorrelation::create>(),
    row<"Vpin", [](double bucket_volume, std::uint64_t buckets) { return Vpin::create(buckets, bucket_volume); }>(),
};

}  // namespace

std::span<const BuilderRow> trade_prints() { return kRows; }

}  // namespace prynox::registry_family
