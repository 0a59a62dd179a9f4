#include "indicators/candle_trailing_stops/volty_stop.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<VoltyStop, IndicatorError> VoltyStop::create(std::uint64_t period, double k) {
    if (auto e = check_multiplier(k)) return std::unexpected(*e);
    if (auto e = check_window(period)) return std::unexpected(*e);
    return VoltyStop(period, k);
}

OptionalValue VoltyStop::update_candle(const Candle& c) {
    const OptionalValue atr = atr_.step(c);
    if (!atr) return std::nullopt;
    const double offset = *atr * k_;
    const double close = c.close;
    double extreme = close;
    bool is_long = true;
    double value;
    if (!has_extreme_) [[unlikely]] {
        value = close - offset;
    } else if (long_) {
        if (close < extreme_ - offset) {
            is_long = false;
            value = close + offset;
        } else {
            extreme = std::fmax(extreme_, close);
            value = extreme - offset;
        }
    } else if (close <= extreme_ + offset) {
        is_long = false;
        extreme = std::fmin(extreme_, close);
        value = extreme + offset;
    } else {
        value = close - offset;
    }
    if (!std::isfinite(offset) || !std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    extreme_ = extreme;
    has_extreme_ = true;
    long_ = is_long;
    return value;
}

}  // namespace prynox
