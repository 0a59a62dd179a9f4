#include "indicators/multi_output_stops/chandelier_exit.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ChandelierExit, IndicatorError> ChandelierExit::create(std::uint64_t n, double k) {
    if (auto e = check_multiplier(k)) return std::unexpected(*e);
    if (auto e = check_window(n)) return std::unexpected(*e);
    return ChandelierExit(n, k);
}

bool ChandelierExit::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!stage_.step(c)) return false;
    const double offset = k_ * stage_.atr();
    const double long_stop = stage_.highest_high() - offset, short_stop = stage_.lowest_low() + offset;
    if (!std::isfinite(long_stop) || !std::isfinite(short_stop)) [[unlikely]]
        return false;
    out = {long_stop, short_stop};
    return true;
}

}  // namespace prynox
