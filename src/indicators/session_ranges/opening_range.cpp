#include "indicators/session_ranges/opening_range.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<OpeningRange, IndicatorError> OpeningRange::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return OpeningRange(n);
}

bool OpeningRange::update_candle(const Candle& c, std::array<double, 3>& out) {
    const FirstBarsRange::Extremes e = range_.with(c);
    const double distance = c.close - midpoint(e.low, e.high);
    if (!std::isfinite(distance)) [[unlikely]]
        return false;
    range_.take(e);
    out = {e.high, e.low, distance};
    return true;
}

}  // namespace prynox
