#include "indicators/calendar/turn_of_month.hpp"

#include <cmath>

#include "indicators/cores/local_calendar.hpp"

namespace prynox {

std::expected<TurnOfMonth, IndicatorError> TurnOfMonth::create(std::uint32_t first_days, std::uint32_t last_days,
                                                               std::int32_t offset_minutes) {
    if (first_days == 0 && last_days == 0) return std::unexpected(IndicatorError::zero_period());
    return TurnOfMonth(first_days, last_days, offset_minutes);
}

bool TurnOfMonth::selected(std::int64_t day) const {
    const CivilDate date = civil_date(day);
    const unsigned days = days_in_month(date.year, date.month);
    return date.day <= first_days_ || date.day > (last_days_ > days ? 0u : days - last_days_);
}

OptionalValue TurnOfMonth::update_candle(const Candle& c) {
    const std::int64_t day = local_day(c.time, offset_minutes_);
    if (!has_day_ || day != day_) {
        if (has_day_) {
            // The return of the day that has just ended, when the day counts. One that is not
            // finite, or that would overflow the sum, is refused and leaves the sum and the count
            // as they were; the day's close still starts the next day's return.
            if (has_day_before_close_ && day_selected_) {
                const double r = day_before_close_ == 0.0 ? 0.0 : last_close_ / day_before_close_ - 1.0;
                if (std::isfinite(r) && std::isfinite(sum_ + r)) [[likely]]
                    sum_ += r, ++count_;
            }
            day_before_close_ = last_close_, has_day_before_close_ = true;
        }
        day_ = day, has_day_ = true, day_selected_ = selected(day);
    }
    last_close_ = c.close;
    // The return this close would give its day, if that day counts: a candle whose return would be
    // refused gives no value.
    if (has_day_before_close_ && day_selected_) {
        const double r = day_before_close_ == 0.0 ? 0.0 : c.close / day_before_close_ - 1.0;
        if (!std::isfinite(r) || !std::isfinite(sum_ + r)) [[unlikely]]
            return {};
    }
    if (count_ == 0) return {};
    return sum_ / static_cast<double>(count_);
}

}  // namespace prynox
