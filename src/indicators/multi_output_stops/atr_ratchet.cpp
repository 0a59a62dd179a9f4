#include "indicators/multi_output_stops/atr_ratchet.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<AtrRatchet, IndicatorError> AtrRatchet::create(std::uint64_t n, double a, double s) {
    if (auto e = check_multiplier(a)) return std::unexpected(*e);
    if (auto e = check_multiplier(s)) return std::unexpected(*e);
    if (auto e = check_window(n)) return std::unexpected(*e);
    return AtrRatchet(n, a, s);
}

bool AtrRatchet::update_candle(const Candle& c, std::array<double, 2>& out) {
    const OptionalValue atr = atr_.step(c);
    if (!atr) return false;
    const double close = c.close;
    double direction = direction_, line;
    if (direction == 0.0) [[unlikely]] {
        direction = 1.0;
        line = close - a_ * *atr;
    } else {
        // A step beyond the doubles decides nothing: the bar is refused before the test.
        line = direction > 0.0 ? line_ + s_ * *atr : line_ - s_ * *atr;
        if (!std::isfinite(line)) [[unlikely]]
            return false;
        if (direction > 0.0) {
            if (!(close >= line)) direction = -1.0, line = close + a_ * *atr;
        } else if (!(close <= line)) {
            direction = 1.0, line = close - a_ * *atr;
        }
    }
    if (!std::isfinite(line)) [[unlikely]]
        return false;
    direction_ = direction;
    line_ = line;
    out = {line, direction};
    return true;
}

}  // namespace prynox
