// Registry rows of the RSI family: the relative strength types, the Chande momentum oscillator,
// the relative and dynamic momentum indices, and the types built on the RSI step (including the
// derivative oscillator, whose update is an RSI smoothed twice). LaguerreRsi, a filter type, has
// its row with the digital filters.
#include "core/registry/families.hpp"
#include "indicators/rsi_family/adaptive_rsi.hpp"
#include "indicators/rsi_family/anchored_rsi.hpp"
#include "indicators/rsi_family/cmo.hpp"
#include "indicators/rsi_family/connors_rsi.hpp"
#include "indicators/rsi_family/derivative_oscillator.hpp"
#include "indicators/rsi_family/dynamic_momentum_index.hpp"
#include "indicators/rsi_family/fisher_rsi.hpp"
#include "indicators/rsi_family/rmi.hpp"
#include "indicators/rsi_family/rsi.hpp"
#include "indicators/rsi_family/rsx.hpp"
#include "indicators/rsi_family/stoch_rsi.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AdaptiveRsi", AdaptiveRsi::create>(),
    row<"AnchoredRsi", AnchoredRsi::create>(),
    row<"Cmo", Cmo::create>(),
    row<"ConnorsRsi", ConnorsRsi::create>(),
    row<"DerivativeOscillator", DerivativeOscillator::create>(),
    row<"DynamicMomentumIndex", DynamicMomentumIndex::create>(),
    row<"FisherRsi", FisherRsi::create>(),
    row<"Rmi", Rmi::create>(),
    row<"Rsi", Rsi::create>(),
    row<"Rsx", Rsx::create>(),
    row<"StochRsi", StochRsi::create>(),
};

}  // namespace

std::span<const BuilderRow> rsi_family() { return kRows; }

}  // namespace prynox::registry_family
