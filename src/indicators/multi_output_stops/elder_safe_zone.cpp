#include "indicators/multi_output_stops/elder_safe_zone.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ElderSafeZone, IndicatorError> ElderSafeZone::create(std::uint64_t n, double k) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    if (auto e = check_multiplier(k)) return std::unexpected(*e);
    return ElderSafeZone(n, k);
}

bool ElderSafeZone::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!has_previous_) [[unlikely]] {
        previous_high_ = c.high, previous_low_ = c.low, has_previous_ = true;
        return false;
    }
    const double down = previous_low_ - c.low, up = c.high - previous_high_;
    if (!std::isfinite(down) || !std::isfinite(up)) [[unlikely]]
        return refuse(c);
    const double down_in = down > 0.0 ? down : 0.0, up_in = up > 0.0 ? up : 0.0;
    const auto down_sums = down_.prepare(down_in);
    if (!down_sums) [[unlikely]]
        return refuse(c);
    const auto up_sums = up_.prepare(up_in);
    if (!up_sums) [[unlikely]]
        return refuse(c);
    const bool ready = down_.full_after_push();
    TrendLine next = trend_;
    if (ready) {
        const double long_candidate = c.low - k_ * down_sums->mean();
        const double short_candidate = c.high + k_ * up_sums->mean();
        if (!std::isfinite(long_candidate) || !std::isfinite(short_candidate)) [[unlikely]]
            return refuse(c);
        next = trend_.next(c.close, long_candidate, short_candidate, 1.0);
    }
    down_.commit(down_in, *down_sums);
    up_.commit(up_in, *up_sums);
    previous_high_ = c.high, previous_low_ = c.low;
    if (!ready) return false;
    trend_ = next;
    out = {next.line, next.direction};
    return true;
}

}  // namespace prynox
