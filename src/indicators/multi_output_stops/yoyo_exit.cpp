#include "indicators/multi_output_stops/yoyo_exit.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<YoyoExit, IndicatorError> YoyoExit::create(std::uint64_t n, double k) {
    if (auto e = check_multiplier(k)) return std::unexpected(*e);
    if (auto e = check_window(n)) return std::unexpected(*e);
    return YoyoExit(n, k);
}

OptionalValue YoyoExit::update_candle(const Candle& c) {
    const OptionalValue atr = atr_.step(c);
    if (!atr) return {};
    const double d = k_ * *atr, close = c.close;
    if (!std::isfinite(d)) [[unlikely]]
        return {};
    double line = line_;
    bool armed = armed_;
    if (!has_line_) [[unlikely]] {
        line = close - d;
    } else if (armed) {
        if (close >= line)
            line = std::max(line, close - d);
        else
            armed = false;
    } else {
        const double rearm = line + d;
        if (!std::isfinite(rearm)) [[unlikely]]
            return {};
        if (close > rearm) armed = true, line = close - d;
    }
    if (!std::isfinite(line)) [[unlikely]]
        return {};
    line_ = line;
    armed_ = armed;
    has_line_ = true;
    return line;
}

}  // namespace prynox
