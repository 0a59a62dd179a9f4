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
    double sum = sum_, before = day_before_close_;
    std::uint64_t count = count_;
    bool has_before = has_day_before_close_, day_selected = day_selected_;
    if (!has_day_ || day != day_) {
        if (has_day_) {
            // The return of the day that has just ended; its candles made sure it is finite and
            // fits in the sum when the day counts.
            if (has_before && day_selected_) {
                sum += before == 0.0 ? 0.0 : last_close_ / before - 1.0;
                ++count;
            }
            before = last_close_, has_before = true;
        }
        day_selected = selected(day);
    }
    // The return this close would give its day, if that day counts: one that is not finite, or
    // that would overflow the sum, refuses the candle rather than leave the sum infinite for ever.
    if (has_before && day_selected) {
        const double r = before == 0.0 ? 0.0 : c.close / before - 1.0;
        if (!std::isfinite(r) || !std::isfinite(sum + r)) [[unlikely]]
            return {};
    }
    day_ = day, has_day_ = true, day_selected_ = day_selected;
    day_before_close_ = before, has_day_before_close_ = has_before;
    sum_ = sum, count_ = count;
    last_close_ = c.close;
    if (count_ == 0) return {};
    return sum_ / static_cast<double>(count_);
}

}  // namespace prynox
