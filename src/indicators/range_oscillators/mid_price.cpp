#include "indicators/range_oscillators/mid_price.hpp"

#include "indicators/cores/candle_window.hpp"
#include "indicators/cores/midpoint.hpp"

namespace prynox {

std::expected<MidPrice, IndicatorError> MidPrice::create(std::uint64_t period) {
    if (auto e = CandleWindow::check(period)) return std::unexpected(*e);
    return MidPrice(period);
}

OptionalValue MidPrice::update_candle(const Candle& c) {
    if (!extremes_.push(c.high, c.low)) [[unlikely]]
        return {};
    if (!extremes_.full()) [[unlikely]]
        return {};
    return midpoint(extremes_.high(), extremes_.low());
}

}  // namespace prynox
