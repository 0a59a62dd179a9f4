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

const BuilderRow kRows[] = {
    {"AdaptiveCycle", [](const ParamValues&) { return box_close(AdaptiveCycle::create()); }},
    {"AutocorrelationPeriodogram",
     [](const ParamValues& p) { return box_close(AutocorrelationPeriodogram::create(p.window(0), p.window(1))); }},
    {"HilbertDominantCycle", [](const ParamValues&) { return box_close(HilbertDominantCycle::create()); }},
    {"HtDcPhase", [](const ParamValues&) { return box_close(HtDcPhase::create()); }},
    {"HtTrendMode", [](const ParamValues&) { return box_close(HtTrendMode::create()); }},
    {"SineWave", [](const ParamValues&) { return box_close(SineWave::create()); }},
};

}  // namespace

std::span<const BuilderRow> cycles() { return kRows; }

}  // namespace prynox::registry_family
