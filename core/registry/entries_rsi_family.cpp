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

const BuilderRow kRows[] = {
    {"AdaptiveRsi", [](const ParamValues& p) { return box_close(AdaptiveRsi::create(p.window(0))); }},
    {"AnchoredRsi",
     [](const ParamValues&) { return box_close(std::expected<AnchoredRsi, IndicatorError>(AnchoredRsi{})); }},
    {"Cmo", [](const ParamValues& p) { return box_close(Cmo::create(p.window(0))); }},
    {"ConnorsRsi",
     [](const ParamValues& p) { return box_close(ConnorsRsi::create(p.window(0), p.window(1), p.window(2))); }},
    {"DerivativeOscillator",
     [](const ParamValues& p) {
         return box_close(DerivativeOscillator::create(p.window(0), p.window(1), p.window(2), p.window(3)));
     }},
    {"DynamicMomentumIndex", [](const ParamValues& p) { return box_close(DynamicMomentumIndex::create(p.window(0))); }},
    {"FisherRsi", [](const ParamValues& p) { return box_close(FisherRsi::create(p.window(0))); }},
    {"Rmi", [](const ParamValues& p) { return box_close(Rmi::create(p.window(0), p.window(1))); }},
    {"Rsi", [](const ParamValues& p) { return box_close(Rsi::create(p.window(0))); }},
    {"Rsx", [](const ParamValues& p) { return box_close(Rsx::create(p.window(0))); }},
    {"StochRsi", [](const ParamValues& p) { return box_close(StochRsi::create(p.window(0), p.window(1))); }},
};

}  // namespace

std::span<const BuilderRow> rsi_family() { return kRows; }

}  // namespace prynox::registry_family
