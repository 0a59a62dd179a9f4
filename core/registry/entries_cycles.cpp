// Registry rows of the cycle measurement types.
#include "core/registry/families.hpp"
#include "indicators/cycles/adaptive_cycle.hpp"
#include "indicators/cycles/autocorrelation_periodogram.hpp"
#include "indicators/cycles/hilbert_dominant_cycle.hpp"
#include "indicators/cycles/ht_dc_phase.hpp"
#include "indicators/cycles/ht_trend_mode.hpp"
#include "indicators/cycles/sine_wave.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AdaptiveCycle", AdaptiveCycle::create>(),
    row<"AutocorrelationPeriodogram", AutocorrelationPeriodogram::create>(),
    row<"HilbertDominantCycle", HilbertDominantCycle::create>(),
    row<"HtDcPhase", HtDcPhase::create>(),
    row<"HtTrendMode", HtTrendMode::create>(),
    row<"SineWave", SineWave::create>(),
};

}  // namespace

std::span<const BuilderRow> cycles() { return kRows; }

}  // namespace prynox::registry_family
