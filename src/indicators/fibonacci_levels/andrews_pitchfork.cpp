#include "indicators/fibonacci_levels/andrews_pitchfork.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

std::expected<AndrewsPitchfork, IndicatorError> AndrewsPitchfork::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return AndrewsPitchfork(period);
}

AndrewsPitchfork::AndrewsPitchfork(std::uint64_t period)
    : window_(period, period), period_(period) {}

void AndrewsPitchfork::record_centre() {
    const bool high = window_.high_pivot(), low = window_.low_pivot();
    if (high == low) return;
    const Pivot p{static_cast<double>(bar_count_ - 1 - period_), high ? window_.centre_high() : window_.centre_low(),
                  high};
    if (held_ > 0 && pivots_[held_ - 1].high == high) {
        Pivot& last = pivots_[held_ - 1];
        if (high ? p.y > last.y : p.y < last.y) last = p;
        return;
    }
    if (held_ == pivots_.size()) {
        pivots_[0] = pivots_[1], pivots_[1] = pivots_[2];
        --held_;
    }
    pivots_[held_++] = p;
}

bool AndrewsPitchfork::update_candle(const Candle& c, std::array<double, 3>& out) {
    if (!window_.push(c.high, c.low)) return false;
    ++bar_count_;
    if (window_.full()) record_centre();
    if (held_ < pivots_.size()) return false;
    const double x0 = pivots_[0].x, x1 = pivots_[1].x, x2 = pivots_[2].x;
    const double now = static_cast<double>(bar_count_ - 1);
    with_overflow_fallback(out, [&](LevelScale s, std::array<double, 3>& o) {
        const double y0 = pivots_[0].y * s.down, y1 = pivots_[1].y * s.down, y2 = pivots_[2].y * s.down;
        const double mx = midpoint(x1, x2), my = midpoint(y1, y2);
        const double slope = (my - y0) / (mx - x0);
        const double median = y0 + (now - x0) * slope;
        const double o1 = y1 - (y0 + (x1 - x0) * slope), o2 = y2 - (y0 + (x2 - x0) * slope);
        o = {median * s.up, (median + std::max(o1, o2)) * s.up, (median + std::min(o1, o2)) * s.up};
        return std::isfinite(median) && std::isfinite(o1) && std::isfinite(o2) && all_finite(o);
    });
    return true;
}

}  // namespace prynox
