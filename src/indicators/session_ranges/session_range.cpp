#include "indicators/session_ranges/session_range.hpp"

#include <cmath>

namespace prynox {

namespace {

double range_of(double high, double low) { return high >= low ? high - low : 0.0; }

}  // namespace

bool SessionRange::update_candle(const Candle& c, std::array<double, 3>& out) {
    const std::int64_t day = day_.day_of(c);
    const bool new_day = day_.is_new(day);
    const unsigned s = day_.hour_of(c) / 8;
    const double high_before = new_day ? -kInf : highs_[s], low_before = new_day ? kInf : lows_[s];
    const double high = c.high > high_before ? c.high : high_before;
    const double low = c.low < low_before ? c.low : low_before;
    // A range beyond the largest double would stay infinite for the rest of the day.
    if (!std::isfinite(high - low)) [[unlikely]]
        return false;
    if (new_day) {
        day_.enter(day);
        highs_ = {-kInf, -kInf, -kInf}, lows_ = {kInf, kInf, kInf};
    }
    highs_[s] = high, lows_[s] = low;
    out = {range_of(highs_[0], lows_[0]), range_of(highs_[1], lows_[1]), range_of(highs_[2], lows_[2])};
    return true;
}

}  // namespace prynox
