#pragma once
// The local day a session type is in. A candle whose local date differs from the current one
// starts a new day, also after a gap of days or when it goes back in time to another date.
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/local_calendar.hpp"

namespace prynox {

class CurrentDay {
public:
    explicit CurrentDay(std::int32_t offset_minutes) : offset_minutes_(offset_minutes) {}

    // Day numbers stand for the dates: the calendar maps them one to one.
    std::int64_t day_of(const Candle& c) const { return local_day(c.time, offset_minutes_); }
    unsigned hour_of(const Candle& c) const { return local_hour(c.time, offset_minutes_); }

    // Whether a candle of local day `day` starts a new day.
    bool is_new(std::int64_t day) const { return !has_day_ || day != day_; }
    void enter(std::int64_t day) { day_ = day, has_day_ = true; }

private:
    std::int64_t day_ = 0;
    std::int32_t offset_minutes_;
    bool has_day_ = false;
};

}  // namespace prynox
