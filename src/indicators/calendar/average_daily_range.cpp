#include "indicators/calendar/average_daily_range.hpp"

#include <cmath>

#include "indicators/cores/local_calendar.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<AverageDailyRange, IndicatorError> AverageDailyRange::create(std::uint64_t days,
                                                                           std::int32_t offset_minutes) {
    if (auto e = check_window(days)) return std::unexpected(*e);
    return AverageDailyRange(days, offset_minutes);
}

OptionalValue AverageDailyRange::update_candle(const Candle& c) {
    const std::int64_t day = local_day(c.time, offset_minutes_);
    if (has_day_ && day == day_) {
        const double high = c.high > day_high_ ? c.high : day_high_, low = c.low < day_low_ ? c.low : day_low_;
        // A day whose range is not finite, or would make the window's sum overflow once pushed,
        // would leave the never re-summed sum infinite, then NaN once it leaves: the candle that
        // makes it so is refused. The window does not change before the day ends, so the check
        // made now holds then.
        if (!std::isfinite(sum_with(high - low))) [[unlikely]]
            return {};
        day_high_ = high, day_low_ = low;
    } else {
        double sum = sum_;
        std::uint64_t nonzero = nonzero_;
        if (has_day_) {
            const double ended = day_high_ - day_low_, leaving = ranges_.full() ? ranges_.oldest() : 0.0;
            sum = sum_with(ended);
            nonzero = nonzero - (leaving != 0.0 ? 1 : 0) + (ended != 0.0 ? 1 : 0);
            // The new day's own range against the window as it will stand.
            if (!std::isfinite(sum_after(sum, ended, c.high - c.low)) || !ranges_.make_room()) [[unlikely]]
                return {};
            (void)ranges_.push(ended);
        } else if (!std::isfinite(sum + (c.high - c.low))) [[unlikely]] {
            return {};
        }
        sum_ = sum, nonzero_ = nonzero;
        day_ = day, has_day_ = true;
        day_high_ = c.high, day_low_ = c.low;
    }
    if (ranges_.empty()) return {};
    // A window of zero ranges gives 0 exactly, whatever residue the running sum keeps.
    if (nonzero_ == 0) return 0.0;
    return sum_ / static_cast<double>(ranges_.size());
}

}  // namespace prynox
