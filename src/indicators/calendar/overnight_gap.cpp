#include "indicators/calendar/overnight_gap.hpp"

#include <cmath>

#include "indicators/cores/local_calendar.hpp"

namespace prynox {

OptionalValue OvernightGap::update_candle(const Candle& c) {
    const std::int64_t day = local_day(c.time, offset_minutes_);
    if (!has_day_ || day != day_) {
        if (has_close_) {
            const double gap = last_close_ == 0.0 ? 0.0 : c.open / last_close_ + (-1.0);
            // An overflowing ratio is no gap: the day gives no value, and its closes still
            // measure the next day's gap.
            has_gap_ = std::isfinite(gap);
            if (has_gap_) [[likely]]
                gap_ = gap;
        }
        day_ = day, has_day_ = true;
    }
    last_close_ = c.close, has_close_ = true;
    if (!has_gap_) return {};
    return gap_;
}

}  // namespace prynox
