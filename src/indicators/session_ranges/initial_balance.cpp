#include "indicators/session_ranges/initial_balance.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<InitialBalance, IndicatorError> InitialBalance::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return InitialBalance(n);
}

bool InitialBalance::update_candle(const Candle& c, std::array<double, 2>& out) {
    const FirstBarsRange::Extremes e = range_.with(c);
    range_.take(e);
    out = {e.high, e.low};
    return true;
}

}  // namespace prynox
