#include "indicators/candle_trailing_stops/atr_trailing_stop.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<AtrTrailingStop, IndicatorError> AtrTrailingStop::create(std::uint64_t period, double k) {
    if (auto e = check_multiplier(k)) return std::unexpected(*e);
    if (auto e = check_window(period)) return std::unexpected(*e);
    return AtrTrailingStop(period, k);
}

OptionalValue AtrTrailingStop::update_candle(const Candle& c) {
    const OptionalValue atr = atr_.step(c);
    if (!atr) return std::nullopt;
    const double offset = *atr * k_;
    const double close = c.close;
    double stop;
    if (has_stop_) [[likely]] {
        const double s = stop_;
        if (close > s) {
            const double candidate = close - offset;
            stop = previous_close_ > s ? std::fmax(s, candidate) : candidate;
        } else {
            // A close on the stop turns it: the new stop is above the close.
            const double candidate = close + offset;
            stop = close < s && previous_close_ < s ? std::fmin(s, candidate) : candidate;
        }
    } else {
        stop = close - offset;
    }
    if (!std::isfinite(offset) || !std::isfinite(stop)) [[unlikely]]
        return std::nullopt;
    previous_close_ = close;
    stop_ = stop;
    has_stop_ = true;
    return stop;
}

}  // namespace prynox
