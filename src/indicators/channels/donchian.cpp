#include "indicators/channels/donchian.hpp"

#include "indicators/cores/candle_window.hpp"
#include "indicators/cores/midpoint.hpp"

namespace prynox {

std::expected<Donchian, IndicatorError> Donchian::create(std::uint64_t period) {
    if (auto e = CandleWindow::check(period)) return std::unexpected(*e);
    return Donchian(period);
}

bool Donchian::update_candle(const Candle& c, std::array<double, 3>& out) {
    if (!extremes_.push(c.high, c.low) || !extremes_.full()) return false;
    const double hh = extremes_.high(), ll = extremes_.low();
    out = {hh, midpoint(hh, ll), ll};
    return true;
}

}  // namespace prynox
