// Registry rows of the money-flow and volume-force lines.
#include "core/registry/families.hpp"
#include "indicators/money_flow/chaikin_money_flow.hpp"
#include "indicators/money_flow/chaikin_oscillator.hpp"
#include "indicators/money_flow/ease_of_movement.hpp"
#include "indicators/money_flow/force_index.hpp"
#include "indicators/money_flow/kvo.hpp"
#include "indicators/money_flow/mfi.hpp"
#include "indicators/money_flow/twiggs_money_flow.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"ChaikinMoneyFlow", ChaikinMoneyFlow::create>(),
    row<"ChaikinOscillator", ChaikinOscillator::create>(),
    row<"EaseOfMovement", EaseOfMovement::create>(),
    row<"ForceIndex", ForceIndex::create>(),
    row<"Kvo", Kvo::create>(),
    row<"Mfi", Mfi::create>(),
    row<"TwiggsMoneyFlow", TwiggsMoneyFlow::create>(),
};

}  // namespace

std::span<const BuilderRow> money_flow() { return kRows; }

}  // namespace prynox::registry_family
