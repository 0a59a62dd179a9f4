// Registry rows of the Aroon and CCI oscillators.
#include "core/registry/families.hpp"
#include "indicators/aroon_cci/adaptive_cci.hpp"
#include "indicators/aroon_cci/aroon_oscillator.hpp"
#include "indicators/aroon_cci/cci.hpp"
#include "indicators/aroon_cci/stochastic_cci.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AdaptiveCci", AdaptiveCci::create>(),
    row<"AroonOscillator", AroonOscillator::create>(),
    row<"Cci", Cci::create>(),
    row<"StochasticCci", StochasticCci::create>(),
};

}  // namespace

std::span<const BuilderRow> aroon_cci() { return kRows; }

}  // namespace prynox::registry_family
