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

const BuilderRow kRows[] = {
    {"Apo", [](const ParamValues& p) { return box_close(Apo::create(p.window(0), p.window(1))); }},
    {"ElderImpulse",
     [](const ParamValues& p) {
         return box_close(ElderImpulse::create(p.window(0), p.window(1), p.window(2), p.window(3)));
     }},
    {"MacdHistogram",
     [](const ParamValues& p) { return box_close(MacdHistogram::create(p.window(0), p.window(1), p.window(2))); }},
    {"Ppo", [](const ParamValues& p) { return box_close(Ppo::create(p.window(0), p.window(1))); }},
    {"PpoHistogram",
     [](const ParamValues& p) { return box_close(PpoHistogram::create(p.window(0), p.window(1), p.window(2))); }},
    {"Stc",
     [](const ParamValues& p) {
         return box_close(Stc::create(p.window(0), p.window(1), p.window(2), p.real(3)));
     }},
    {"Trix", [](const ParamValues& p) { return box_close(Trix::create(p.window(0))); }},
    {"Tsi", [](const ParamValues& p) { return box_close(Tsi::create(p.window(0), p.window(1))); }},
};

}  // namespace

std::span<const BuilderRow> ma_oscillators() { return kRows; }

}  // namespace prynox::registry_family
