// Registry rows of the volume lines: cumulative lines of volume or price change, an oscillator
// around the Williams A/D line, and windowed oscillators of the volume.
#include "core/registry/families.hpp"
#include "indicators/volume_lines/ad_oscillator.hpp"
#include "indicators/volume_lines/adl.hpp"
#include "indicators/volume_lines/nvi.hpp"
#include "indicators/volume_lines/obv.hpp"
#include "indicators/volume_lines/pvi.hpp"
#include "indicators/volume_lines/volume_oscillator.hpp"
#include "indicators/volume_lines/volume_price_trend.hpp"
#include "indicators/volume_lines/volume_rsi.hpp"
#include "indicators/volume_lines/vzo.hpp"
#include "indicators/volume_lines/wad.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AdOscillator", AdOscillator::create>(),
    row<"Adl", Adl::create>(),
    row<"Nvi", Nvi::create>(),
    row<"Obv", Obv::create>(),
    row<"Pvi", Pvi::create>(),
    row<"VolumeOscillator", VolumeOscillator::create>(),
    row<"VolumePriceTrend", VolumePriceTrend::create>(),
    row<"VolumeRsi", VolumeRsi::create>(),
    row<"Vzo", Vzo::create>(),
    row<"Wad", Wad::create>(),
};

}  // namespace

std::span<const BuilderRow> volume_lines() { return kRows; }

}  // namespace prynox::registry_family
