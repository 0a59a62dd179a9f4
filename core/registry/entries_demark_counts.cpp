// Registry rows of the DeMark setup, countdown and combo counts.
#include "core/registry/families.hpp"
#include "indicators/demark_counts/td_combo.hpp"
#include "indicators/demark_counts/td_countdown.hpp"
#include "indicators/demark_counts/td_setup.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"TdCombo", TdCombo::create>(),
    row<"TdCountdown", TdCountdown::create>(),
    row<"TdSetup", TdSetup::create>(),
};

}  // namespace

std::span<const BuilderRow> demark_counts() { return kRows; }

}  // namespace prynox::registry_family
