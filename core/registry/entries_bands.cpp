// Registry rows of the bands around a centre line: Bollinger, envelope, ATR, acceleration, VWAP
// deviation and range bands. BollingerBands is the shared Bollinger core itself
// (indicators/cores/bollinger.hpp), which publishes its lines as named outputs.
#include "core/registry/families.hpp"
#include "indicators/bands/acceleration_bands.hpp"
#include "indicators/bands/atr_bands.hpp"
#include "indicators/bands/double_bollinger.hpp"
#include "indicators/bands/hurst_channel.hpp"
#include "indicators/bands/keltner.hpp"
#include "indicators/bands/ma_envelope.hpp"
#include "indicators/bands/starc_bands.hpp"
#include "indicators/bands/vwap_std_dev_bands.hpp"
#include "indicators/cores/bollinger.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AccelerationBands", AccelerationBands::create>(),
    row<"AtrBands", AtrBands::create>(),
    row<"BollingerBands", BollingerBands::create>(),
    row<"DoubleBollinger", DoubleBollinger::create>(),
    row<"HurstChannel", HurstChannel::create>(),
    row<"Keltner", Keltner::create>(),
    row<"MaEnvelope", MaEnvelope::create>(),
    row<"StarcBands", StarcBands::create>(),
    row<"VwapStdDevBands", VwapStdDevBands::create>(),
};

}  // namespace

std::span<const BuilderRow> bands() { return kRows; }

}  // namespace prynox::registry_family
