// The local calendar against computations that share nothing with it: a walk day by day from
// 1970, the standard library's calendar, and, for times at the ends of the 64-bit range with the
// largest offsets, 128-bit arithmetic and a year found by counting leap days.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>

#include "indicators/cores/local_calendar.hpp"

namespace prynox {
namespace {

using i128 = __int128;
constexpr std::int64_t kMinTime = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMaxTime = std::numeric_limits<std::int64_t>::max();
constexpr std::int32_t kMinOffset = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxOffset = std::numeric_limits<std::int32_t>::max();

// Floor division in 128 bits, through the remainder brought into [0, b).
i128 floor128(i128 a, i128 b) { return (a - ((a % b) + b) % b) / b; }

// Leap days from year 1 to year y included (y >= 1 here, far from 0 by construction).
i128 leaps_through(i128 y) { return floor128(y, 4) - floor128(y, 100) + floor128(y, 400); }

// Day number of January 1 of year y.
i128 first_day_of_year(i128 y) { return 365 * (y - 1970) + (leaps_through(y - 1) - leaps_through(1969)); }

// The date of a day number: the year estimated from the mean year length, corrected by whole
// years, then the month by subtracting month lengths. Years are shifted by 400 * 10^9 so that
// leaps_through only sees positive years.
CivilDate counted_date(std::int64_t day) {
    const i128 shift = 400'000'000'000, shift_days = 146097 * (shift / 400);
    const i128 d = static_cast<i128>(day) + shift_days;
    i128 y = 1970 + static_cast<i128>(static_cast<long double>(d) / 365.2425L);
    while (first_day_of_year(y) > d) --y;
    while (first_day_of_year(y + 1) <= d) ++y;
    i128 rest = d - first_day_of_year(y);
    const std::int64_t year = static_cast<std::int64_t>(y - shift);
    unsigned month = 1;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const unsigned lengths[12] = {31, leap ? 29u : 28u, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    while (rest >= lengths[month - 1]) rest -= lengths[month - 1], ++month;
    return {year, month, static_cast<unsigned>(rest + 1)};
}

TEST(LocalCalendarTest, DatesAgreeWithADayByDayWalk) {
    for (int direction : {1, -1}) {
        CivilDate walk = direction > 0 ? CivilDate{1970, 1, 1} : CivilDate{1969, 12, 31};
        for (std::int64_t day = direction > 0 ? 0 : -1; day < 800'000 && day > -800'000; day += direction) {
            ASSERT_EQ(civil_date(day), walk) << "day " << day;
            if (direction > 0 && ++walk.day > days_in_month(walk.year, walk.month)) {
                walk.day = 1;
                if (++walk.month > 12) walk.month = 1, ++walk.year;
            } else if (direction < 0 && --walk.day == 0) {
                if (--walk.month == 0) walk.month = 12, --walk.year;
                walk.day = days_in_month(walk.year, walk.month);
            }
        }
    }
}

TEST(LocalCalendarTest, DatesAgreeWithTheStandardCalendar) {
    using namespace std::chrono;
    for (std::int64_t day = -12'000'000; day <= 11'000'000; day += 997) {
        const year_month_day ymd{sys_days{days{day}}};
        ASSERT_EQ(civil_date(day), (CivilDate{static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                                              static_cast<unsigned>(ymd.day())}))
            << "day " << day;
    }
}

TEST(LocalCalendarTest, ExtremeTimesAndOffsets) {
    const std::int64_t times[] = {kMinTime, kMinTime + 1, kMinTime + 999, -86'400'001, -1, 0, 1, 86'399'999,
                                  kMaxTime - 1000, kMaxTime};
    const std::int32_t offsets[] = {kMinOffset, kMinOffset + 1, -1440, -1, 0, 1, 60, 1440, kMaxOffset - 1, kMaxOffset};
    for (std::int64_t t : times)
        for (std::int32_t o : offsets) {
            const i128 local = floor128(t, 1000) + static_cast<i128>(o) * 60, day = floor128(local, 86400);
            ASSERT_EQ(local_day(t, o), static_cast<std::int64_t>(day)) << t << " " << o;
            ASSERT_EQ(local_hour(t, o), static_cast<unsigned>((local - 86400 * day) / 3600)) << t << " " << o;
            ASSERT_EQ(civil_date(local_day(t, o)), counted_date(local_day(t, o))) << t << " " << o;
        }
    // The counted dates themselves, against the walk's neighbourhood of 1970.
    EXPECT_EQ(counted_date(-1), (CivilDate{1969, 12, 31}));
    EXPECT_EQ(counted_date(19782), (CivilDate{2024, 2, 29}));
    // Both ends of the range, written out.
    EXPECT_EQ(civil_date(local_day(kMinTime, kMinOffset)), (CivilDate{-292279138, 4, 23}));
    EXPECT_EQ(civil_date(local_day(kMaxTime, kMaxOffset)), (CivilDate{292283077, 9, 9}));
}

TEST(LocalCalendarTest, DayBoundariesAndLeapYears) {
    const std::int64_t midnight = 86'400'000;  // 1970-01-02 00:00 UTC
    EXPECT_NE(local_day(midnight - 60'000, 0), local_day(midnight, 0));
    EXPECT_EQ(local_day(midnight - 3'600'001, 60), 0);  // 22:59:59.999 UTC is still January 1
    EXPECT_EQ(local_day(midnight - 3'600'000, 60), 1);  // 23:00 UTC starts January 2
    EXPECT_EQ(local_day(-1, 0), -1);
    EXPECT_EQ(local_hour(-1, 0), 23u);
    EXPECT_EQ(civil_date(-1), (CivilDate{1969, 12, 31}));
    EXPECT_EQ(local_hour(0, -1), 23u);
    EXPECT_EQ(local_hour(0, 61), 1u);
    EXPECT_EQ(days_in_month(2024, 2), 29u);
    EXPECT_EQ(days_in_month(2100, 2), 28u);
    EXPECT_EQ(days_in_month(2000, 2), 29u);
    EXPECT_EQ(days_in_month(-4, 2), 29u);
    EXPECT_EQ(days_in_month(-100, 2), 28u);
}

}  // namespace
}  // namespace prynox
