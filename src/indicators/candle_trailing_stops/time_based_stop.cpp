#include "indicators/candle_trailing_stops/time_based_stop.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TimeBasedStop, IndicatorError> TimeBasedStop::create(std::uint64_t budget) {
    if (auto e = check_window(budget)) return std::unexpected(*e);
    return TimeBasedStop(budget);
}

}  // namespace prynox
