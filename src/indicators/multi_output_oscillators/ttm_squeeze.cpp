#include "indicators/multi_output_oscillators/ttm_squeeze.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TtmSqueeze, IndicatorError> TtmSqueeze::create(std::uint64_t period, double bollinger_multiplier,
                                                             double keltner_multiplier) {
    if (auto e = check_minimum(period, 2, kTtmSqueezePeriodMessage)) return std::unexpected(*e);
    if (auto e = check_multiplier(bollinger_multiplier)) return std::unexpected(*e);
    if (auto e = check_multiplier(keltner_multiplier)) return std::unexpected(*e);
    return TtmSqueeze(period, bollinger_multiplier, keltner_multiplier);
}

bool TtmSqueeze::update_candle(const Candle& c, std::array<double, 2>& out) {
    // The stages are independent, so the order they take the bar in changes no value; the ATR
    // stage goes first so that a candle it refuses reaches none of the others.
    const AtrStage atr_before = atr_;
    const OptionalValue atr = atr_.step(c);
    if (!atr && atr_.seed_count() == atr_before.seed_count()) [[unlikely]]
        return false;
    if (!extremes_.push(c.high, c.low)) [[unlikely]] {
        atr_ = atr_before;
        return false;
    }
    const OptionalValue mid = average_.update_value(c.close);
    BollingerValue bands;
    const bool full = bollinger_.step(c.close, bands);
    if (!atr || !mid || !full) return false;

    const double w = *atr * keltner_multiplier_;
    if (!(std::isfinite(bands.upper) && std::isfinite(bands.lower) && std::isfinite(w))) [[unlikely]]
        return false;
    const double squeeze = bands.lower >= *mid - w && bands.upper <= *mid + w ? 1.0 : 0.0;

    const double base = midpoint(*mid, midpoint(extremes_.high(), extremes_.low()));
    double s = 0.0, t = 0.0, i = 0.0;
    average_.ring().for_each_in_ring_order([&](double close) {
        const double d = close - base;
        s += d;
        t += i * d;
        i += 1.0;
    });
    const double slope = (t * fit_.n - s * fit_.sum_x) / fit_.denominator;
    const double momentum = (fit_.n - 1.0) * slope + (s - fit_.sum_x * slope) / fit_.n;
    if (!std::isfinite(momentum)) [[unlikely]]
        return false;
    out = {squeeze, momentum};
    return true;
}

}  // namespace prynox
