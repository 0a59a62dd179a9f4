// Registry rows of the MACD family and adaptive averages with named outputs: the MACD lines over
// exponential, fixed-factor, volume-weighted and zero-lag averages, the MESA adaptive average,
// the Hilbert phasor, and the Alligator's smoothed medians with the Gator oscillator.
#include "core/registry/families.hpp"
#include "indicators/macd_family/alligator.hpp"
#include "indicators/macd_family/gator_oscillator.hpp"
#include "indicators/macd_family/ht_phasor.hpp"
#include "indicators/macd_family/macd_fix.hpp"
#include "indicators/macd_family/macd_indicator.hpp"
#include "indicators/macd_family/mama_indicator.hpp"
#include "indicators/macd_family/volume_weighted_macd.hpp"
#include "indicators/macd_family/zero_lag_macd.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Alligator", Alligator::create>(),
    row<"GatorOscillator", GatorOscillator::create>(),
    row<"HtPhasor", HtPhasor::create>(),
    row<"MacdFix", MacdFix::create>(),
    row<"MacdIndicator", MacdIndicator::create>(),
    row<"Mama", MamaIndicator::create>(),
    row<"VolumeWeightedMacd", VolumeWeightedMacd::create>(),
    row<"ZeroLagMacd", ZeroLagMacd::create>(),
};

}  // namespace

std::span<const BuilderRow> macd_family() { return kRows; }

}  // namespace prynox::registry_family
