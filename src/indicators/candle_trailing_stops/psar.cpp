#include "indicators/candle_trailing_stops/psar.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Psar, IndicatorError> Psar::create(double start, double step, double maximum) {
    for (double a : {start, step, maximum})
        if (auto e = check_multiplier(a)) return std::unexpected(*e);
    if (start > maximum) return std::unexpected(IndicatorError::invalid_period(kPsarStartAboveMax));
    return Psar({start, step, maximum});
}

}  // namespace prynox
