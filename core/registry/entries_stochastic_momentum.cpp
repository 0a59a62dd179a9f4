// Registry rows of the stochastic momentum, ultimate, vigor and inertia oscillators.
#include "core/registry/families.hpp"
#include "indicators/stochastic_momentum/inertia.hpp"
#include "indicators/stochastic_momentum/rvi.hpp"
#include "indicators/stochastic_momentum/smi.hpp"
#include "indicators/stochastic_momentum/ultimate_oscillator.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Inertia", Inertia::create>(),
    row<"Rvi", Rvi::create>(),
    row<"Smi", Smi::create>(),
    row<"UltimateOscillator", UltimateOscillator::create>(),
};

}  // namespace

std::span<const BuilderRow> stochastic_momentum() { return kRows; }

}  // namespace prynox::registry_family
