// Registry rows of the moving-average oscillators (Trix included: it is an oscillator of a
// triple-smoothed average).
#include "core/registry/families.hpp"
#include "indicators/ma_oscillators/apo.hpp"
#include "indicators/ma_oscillators/elder_impulse.hpp"
#include "indicators/ma_oscillators/macd_histogram.hpp"
#include "indicators/ma_oscillators/ppo.hpp"
#include "indicators/ma_oscillators/ppo_histogram.hpp"
#include "indicators/ma_oscillators/stc.hpp"
#include "indicators/ma_oscillators/trix.hpp"
#include "indicators/ma_oscillators/tsi.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Apo", Apo::create>(),
    row<"ElderImpulse", ElderImpulse::create>(),
    row<"MacdHistogram", MacdHistogram::create>(),
    row<"Ppo", Ppo::create>(),
    row<"PpoHistogram", PpoHistogram::create>(),
    row<"Stc", Stc::create>(),
    row<"Trix", Trix::create>(),
    row<"Tsi", Tsi::create>(),
};

}  // namespace

std::span<const BuilderRow> ma_oscillators() { return kRows; }

}  // namespace prynox::registry_family
