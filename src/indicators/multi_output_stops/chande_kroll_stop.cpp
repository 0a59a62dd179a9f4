#include "indicators/multi_output_stops/chande_kroll_stop.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ChandeKrollStop, IndicatorError> ChandeKrollStop::create(std::uint64_t p, double x, std::uint64_t q) {
    if (auto e = check_multiplier(x)) return std::unexpected(*e);
    if (auto e = check_window(q)) return std::unexpected(*e);
    if (auto e = check_window(p)) return std::unexpected(*e);
    return ChandeKrollStop(p, x, q);
}

bool ChandeKrollStop::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!stage_.step(c)) return false;
    const double offset = x_ * stage_.atr();
    const double high_stop = stage_.highest_high() - offset, low_stop = stage_.lowest_low() + offset;
    if (!std::isfinite(high_stop) || !std::isfinite(low_stop)) [[unlikely]]
        return false;
    if (!stops_.push(high_stop, low_stop) || !stops_.full()) return false;
    out = {stops_.low(), stops_.high()};
    return true;
}

}  // namespace prynox
