#include "indicators/range_oscillators/mid_price.hpp"

#include "indicators/cores/candle_window.hpp"
#include "indicators/cores/midpoint.hpp"

namespace prynox {

std::expected<MidPrice, IndicatorError> MidPrice::create(std::uint64_t period) {
    if (auto e = CandleWindow::check(period)) return std::unexpected(*e);
    return MidPrice(period);
}

OptionalValue MidPrice::update_candle(const Candle& c) {
    if (!highs_.make_room() || !lows_.make_room()) [[unlikely]]
        return {};
    (void)highs_.push(c.high);
    (void)lows_.push(c.low);
    if (!highs_.full()) [[unlikely]]
        return {};
    if (highs_.pushed() == highs_.length()) (void)(highs_.reserve_full() && lows_.reserve_full());
    return midpoint(highs_.max(), lows_.min());
}

}  // namespace prynox
