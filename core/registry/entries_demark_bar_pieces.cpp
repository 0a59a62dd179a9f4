// Registry rows of the DeMark bar pieces: patterns of the current candle against the one or two
// valid candles before it, without parameters.
#include "core/registry/families.hpp"
#include "indicators/demark_bar_pieces/td_camouflage.hpp"
#include "indicators/demark_bar_pieces/td_clop.hpp"
#include "indicators/demark_bar_pieces/td_clopwin.hpp"
#include "indicators/demark_bar_pieces/td_differential.hpp"
#include "indicators/demark_bar_pieces/td_open.hpp"
#include "indicators/demark_bar_pieces/td_propulsion.hpp"
#include "indicators/demark_bar_pieces/td_trap.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"TdCamouflage", TdCamouflage::create>(),
    row<"TdClop", TdClop::create>(),
    row<"TdClopwin", TdClopwin::create>(),
    row<"TdDifferential", TdDifferential::create>(),
    row<"TdOpen", TdOpen::create>(),
    row<"TdPropulsion", TdPropulsion::create>(),
    row<"TdTrap", TdTrap::create>(),
};

}  // namespace

std::span<const BuilderRow> demark_bar_pieces() { return kRows; }

}  // namespace prynox::registry_family
