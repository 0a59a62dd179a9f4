#pragma once
// The local day and hour of a candle: its time in milliseconds since 1970-01-01 UTC, moved by an
// offset in minutes, on the proleptic Gregorian calendar. Every division rounds toward minus
// infinity, so a time before 1970 falls on the earlier day (-1 ms is 1969-12-31 23:59:59.999).
// Any signed 64-bit time and any 32-bit offset stay far inside 64-bit range: whole seconds are
// below 9.3e15 in size, the offset moves them by at most 1.3e11, and day numbers stay below
// 1.1e11, whose years need 30 bits.
#include <cstdint>

namespace prynox {

inline constexpr std::int64_t kSecondsPerDay = 86400;

// a / b rounded toward minus infinity, for b > 0 (never overflows: |a / b| <= |a|).
constexpr std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b < 0) ? q - 1 : q;
}

// Whole local seconds since the epoch.
constexpr std::int64_t local_seconds(std::int64_t time_ms, std::int32_t offset_minutes) {
    return floor_div(time_ms, 1000) + static_cast<std::int64_t>(offset_minutes) * 60;
}

// Day number of the local date, day 0 being 1970-01-01.
constexpr std::int64_t local_day(std::int64_t time_ms, std::int32_t offset_minutes) {
    return floor_div(local_seconds(time_ms, offset_minutes), kSecondsPerDay);
}

// Local hour of the day, 0 to 23.
constexpr unsigned local_hour(std::int64_t time_ms, std::int32_t offset_minutes) {
    const std::int64_t s = local_seconds(time_ms, offset_minutes);
    return static_cast<unsigned>((s - kSecondsPerDay * floor_div(s, kSecondsPerDay)) / 3600);
}

constexpr bool is_leap_year(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr unsigned days_in_month(std::int64_t year, unsigned month) {
    constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap_year(year) ? 29u : kDays[month - 1];
}

struct CivilDate {
    std::int64_t year;
    unsigned month;  // 1 to 12
    unsigned day;    // 1 to 31
    friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The date of a day number: counted in 400-year eras of 146,097 days from 0000-03-01, so that
// the leap day closes each year of the count.
constexpr CivilDate civil_date(std::int64_t day_number) {
    const std::int64_t z = day_number + 719468;  // days since 0000-03-01
    const std::int64_t era = floor_div(z, 146097);
    const std::int64_t doe = z - era * 146097;                                     // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;                                    // March = 0
    const unsigned day = static_cast<unsigned>(doy - (153 * mp + 2) / 5 + 1);
    const unsigned month = static_cast<unsigned>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

}  // namespace prynox
