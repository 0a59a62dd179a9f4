#include "indicators/multi_output_stops/donchian_stop.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<DonchianStop, IndicatorError> DonchianStop::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return DonchianStop(n);
}

bool DonchianStop::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!extremes_.push(c.high, c.low) || !extremes_.full()) return false;
    out = {extremes_.low(), extremes_.high()};
    return true;
}

}  // namespace prynox
