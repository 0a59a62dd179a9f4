// Registry rows of the session and opening ranges.
#include "core/registry/families.hpp"
#include "indicators/session_ranges/initial_balance.hpp"
#include "indicators/session_ranges/opening_range.hpp"
#include "indicators/session_ranges/overnight_intraday_return.hpp"
#include "indicators/session_ranges/session_high_low.hpp"
#include "indicators/session_ranges/session_range.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"InitialBalance", InitialBalance::create>(),
    row<"OpeningRange", OpeningRange::create>(),
    row<"OvernightIntradayReturn", OvernightIntradayReturn::create>(),
    row<"SessionHighLow", SessionHighLow::create>(),
    row<"SessionRange", SessionRange::create>(),
};

}  // namespace

std::span<const BuilderRow> session_ranges() { return kRows; }

}  // namespace prynox::registry_family
