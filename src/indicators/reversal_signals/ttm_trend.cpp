#include "indicators/reversal_signals/ttm_trend.hpp"

#include "indicators/cores/midpoint.hpp"

namespace prynox {

std::expected<TtmTrend, IndicatorError> TtmTrend::create(std::uint64_t period) {
    auto sma = FlatExactSma::create(period);
    if (!sma) return std::unexpected(sma.error());
    return TtmTrend(std::move(*sma));
}

OptionalValue TtmTrend::update_candle(const Candle& c) {
    const OptionalValue average = sma_.update_value(midpoint(c.high, c.low));
    if (!average) return std::nullopt;
    return c.close > *average ? 1.0 : -1.0;
}

}  // namespace prynox
