#include "indicators/median_price_oscillators/qstick.hpp"

#include <cmath>

namespace prynox {

std::expected<Qstick, IndicatorError> Qstick::create(std::uint64_t period) {
    auto sma = FlatExactSma::create(period);
    if (!sma) return std::unexpected(sma.error());
    return Qstick(std::move(*sma));
}

OptionalValue Qstick::update_candle(const Candle& c) {
    const double body = c.close - c.open;
    if (!std::isfinite(body)) [[unlikely]]
        return std::nullopt;
    const OptionalValue mean = sma_.update_value(body);
    if (!mean || !std::isfinite(*mean)) return std::nullopt;
    return mean;
}

}  // namespace prynox
