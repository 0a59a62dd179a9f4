// Registry rows of the calendar types.
#include "core/registry/families.hpp"
#include "indicators/calendar/average_daily_range.hpp"
#include "indicators/calendar/overnight_gap.hpp"
#include "indicators/calendar/seasonal_z_score.hpp"
#include "indicators/calendar/turn_of_month.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"AverageDailyRange", AverageDailyRange::create>(),
    row<"OvernightGap", OvernightGap::create>(),
    row<"SeasonalZScore", SeasonalZScore::create>(),
    row<"TurnOfMonth", TurnOfMonth::create>(),
};

}  // namespace

std::span<const BuilderRow> calendar() { return kRows; }

}  // namespace prynox::registry_family
