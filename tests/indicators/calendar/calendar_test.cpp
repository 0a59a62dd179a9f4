// The calendar types, built from the registry, against plain recomputations that group the
// candles by the standard library's local dates; the pinned cases; windows of days without range;
// candles whose range, return or gap is not finite, refused.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "support/candle_runs.hpp"

namespace prynox {
namespace {

using test::Candles;
using test::run_candles;
using test::Series;
constexpr std::int64_t kMinute = 60'000, kHour = 60 * kMinute, kDay = 24 * kHour;

Candle bar(std::int64_t t, double o, double h, double l, double c) { return {t, o, h, l, c, 1.0}; }
Candle at_close(std::int64_t t, double c) { return bar(t, c, c, c, c); }

// Local date and hour as the standard library's calendar gives them.
struct Local {
    std::int64_t day;
    int year;
    unsigned month, mday, month_days, hour;
};
Local local(std::int64_t time, std::int32_t offset) {
    using namespace std::chrono;
    const auto t = floor<seconds>(sys_time<milliseconds>(milliseconds(time))) + minutes(offset);
    const sys_days d = floor<days>(t);
    const year_month_day ymd(d);
    const year_month_day_last last(ymd.year(), month_day_last(ymd.month()));
    return {d.time_since_epoch().count(), static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
            static_cast<unsigned>(ymd.day()), static_cast<unsigned>(last.day()),
            static_cast<unsigned>(duration_cast<hours>(t - d).count())};
}

// Candles at uneven steps of a quarter hour to nine hours: from 1969-12-18 across the start of
// the epoch, from 2024-02-21 across a leap day, from 2100-02-20 across a February without one;
// closes on a grid with zeros now and then, a few candles back in time, days with no range.
Candles series() {
    Candles out;
    std::uint64_t s = 17;
    double x = 20.0;
    for (const std::int64_t start : {-14 * kDay + 5 * kMinute, 19'774 * kDay, 47'532 * kDay}) {
        std::int64_t t = start;
        for (int i = 0; i < 260; ++i) {
            t += (static_cast<std::int64_t>(test::splitmix(s) % 36) + 1) * 15 * kMinute;
            const double o = x;
            x = std::round((x + test::unit(s) * 3.0) * 8.0) / 8.0;
            if (i % 41 == 40) x = 0.0;
            const bool flat = i % 50 >= 44;
            const double c = flat ? o : x;
            const double h = std::max(o, c) + (flat ? 0.0 : std::fabs(test::unit(s))), l = std::min(o, c) - (flat ? 0.0 : 0.25);
            out.push_back(bar(i % 97 == 96 ? t - 2 * kDay : t, o, h, l, c));
            if (flat) x = c;
        }
    }
    return out;
}

// Each type from its definition, with its offset. A gap, return or day return that leaves the
// doubles (or whose hour's squared deviations would) is refused: none, the sums as they were,
// and the next one measured from the refused candle's close.
Series reference(const std::string& type, const std::vector<double>& p, const Candles& candles) {
    Series out(candles.size());
    const auto offset = static_cast<std::int32_t>(p.back());
    std::optional<Local> current;
    std::optional<double> last_close, day_before_close, gap;
    double high = 0.0, low = 0.0, sum = 0.0;
    std::size_t count = 0;
    std::vector<double> ranges;
    std::vector<std::vector<double>> hour_returns(24);
    for (std::size_t i = 0; i < candles.size(); ++i) {
        const Candle& c = candles[i];
        const Local now = local(c.time, offset);
        const bool new_day = !current || current->day != now.day;
        if (type == "AverageDailyRange") {
            if (new_day && current) ranges.push_back(high - low);
            high = new_day ? c.high : std::max(high, c.high), low = new_day ? c.low : std::min(low, c.low);
            const std::size_t n = std::min(ranges.size(), static_cast<std::size_t>(p[0]));
            double total = 0.0;
            for (std::size_t k = ranges.size() - n; k < ranges.size(); ++k) total += ranges[k];
            if (n > 0) out[i] = total / static_cast<double>(n);
        } else if (type == "OvernightGap") {
            if (new_day && last_close) gap = *last_close == 0.0 ? 0.0 : c.open / *last_close - 1.0;
            if (gap && std::isfinite(*gap)) out[i] = gap;
        } else if (type == "SeasonalZScore" && last_close) {
            const double r = *last_close == 0.0 ? 0.0 : c.close / *last_close - 1.0;
            std::vector<double>& earlier = hour_returns[now.hour];
            const auto squares = [](const std::vector<double>& xs, double& m) {
                double q = 0.0;
                m = 0.0;
                for (double v : xs) m += v;
                m /= static_cast<double>(xs.size());
                for (double v : xs) q += (v - m) * (v - m);
                return q;
            };
            if (earlier.size() >= 2) {
                double m;
                const double variance = squares(earlier, m) / static_cast<double>(earlier.size() - 1);
                out[i] = variance > 0.0 ? (r - m) / std::sqrt(variance) : 0.0;
            }
            std::vector<double> with = earlier;
            with.push_back(r);
            double m;
            if (std::isfinite(r) && std::isfinite(squares(with, m)) && (!out[i] || std::isfinite(*out[i])))
                earlier.push_back(r);
            else
                out[i].reset();
        } else if (type == "TurnOfMonth") {
            const auto first = static_cast<unsigned>(p[0]), last = static_cast<unsigned>(p[1]);
            const auto turn = [&](const Local& d) {
                return d.mday <= first || std::uint64_t{d.mday} + last > d.month_days;
            };
            const auto day_return = [&](double close) {
                return *day_before_close == 0.0 ? 0.0 : close / *day_before_close - 1.0;
            };
            if (new_day && current) {
                if (day_before_close && turn(*current))
                    if (const double r = day_return(*last_close); std::isfinite(r) && std::isfinite(sum + r))
                        sum += r, ++count;
                day_before_close = last_close;
            }
            const bool refused = day_before_close && turn(now) &&
                                 !(std::isfinite(day_return(c.close)) && std::isfinite(sum + day_return(c.close)));
            if (count > 0 && !refused) out[i] = sum / static_cast<double>(count);
        }
        if (new_day) current = now;
        last_close = c.close;
    }
    return out;
}

TEST(CalendarTest, EveryTypeAgainstItsDefinition) {
    struct Row {
        const char* type;
        std::vector<std::vector<double>> params;
        double tol;  // relative; the average's running sum is never rebuilt
    };
    const std::vector<Row> rows = {
        {"AverageDailyRange", {{1, 0}, {2, 0}, {5, -300}, {20, 330}, {3, -2147483648.0}}, 1e-12},
        {"OvernightGap", {{0}, {60}, {-1439}, {2147483647}}, 0.0},
        {"SeasonalZScore", {{0}, {-330}, {45}}, 1e-9},
        {"TurnOfMonth", {{1, 0, 0}, {0, 3, 0}, {0, 1, -600}, {3, 2, 540}, {40, 0, 0}, {0, 4294967295.0, 0}}, 0.0},
    };
    const Candles candles = series();
    for (const Row& row : rows)
        for (const auto& p : row.params)
            test::expect_series(run_candles(row.type, p, candles), reference(row.type, p, candles), row.tol,
                                test::describe(row.type, p));
}

TEST(CalendarTest, PinnedCases) {
    const auto no = std::nullopt;
    const std::int64_t midnight = 20 * kDay;
    // 23:59 and 00:00 UTC are two days with offset 0; with offset 60 the day turns at 23:00 UTC.
    // No gap during the whole first day.
    const Candles turn = {at_close(midnight - 2 * kHour, 8), at_close(midnight - kHour - kMinute, 8),
                          at_close(midnight - kHour, 10), at_close(midnight - kMinute, 12), at_close(midnight, 15)};
    // Two-day window: the first completed day's range at once, then the mean of the last two.
    Candles days, doubling;
    for (double r : {1.0, 2.0, 4.0, 8.0, 3.0}) days.push_back(bar(static_cast<std::int64_t>(r) * kDay * 3, 5, 5 + r, 5, 5));
    // Doubling closes within one hour: no value for the first two returns, then equal returns give 0.
    for (int i = 0; i < 6; ++i) doubling.push_back(at_close(-kHour + i * kMinute, std::ldexp(1.0, i)));
    // A day apart at the same hour: returns 1, 1, 1, -1, one beyond the doubles, then 2e10 / 1e10
    // - 1 = 1, half a deviation above the hour's mean (0.5, deviation 1).
    Candles daily, month;
    for (double c : {1.0, 2.0, 4.0, 8.0, 1e-300, 1e10, 2e10}) daily.push_back(at_close(midnight + daily.size() * kDay, c));
    // Every day counts for TurnOfMonth 31: day returns 1, 1, -1, one beyond the doubles (left out),
    // then 2e10 / 1e10 - 1 = 1, taken in on the day after.
    for (double c : {1.0, 2.0, 4.0, 1e-300, 1e10, 2e10, 3e10}) month.push_back(at_close(midnight + month.size() * kDay, c));
    // Day 2 opens beyond the doubles after day 1's close: no gap all day; day 3's gap is taken from
    // day 2's last close.
    const Candles refused_gap = {at_close(midnight - kHour, 1e-300), at_close(midnight, 1e10),
                                 at_close(midnight + kHour, 8e9), at_close(midnight + kDay, 1e10)};
    const struct {
        const char* type;
        std::vector<double> params;
        Candles bars;
        Series want;
    } rows[] = {
        {"OvernightGap", {0}, turn, {no, no, no, no, 0.25}},
        {"OvernightGap", {60}, turn, {no, no, 0.25, 0.25, 0.25}},
        {"AverageDailyRange", {2, 0}, days, {no, 1.0, 1.5, 3.0, 6.0}},
        {"SeasonalZScore", {0}, doubling, {no, no, no, 0.0, 0.0, 0.0}},
        // -1 ms falls on 1969-12-31 (floor division).
        {"OvernightGap", {0}, {at_close(-1, 8), at_close(0, 10)}, {no, 0.25}},
        // A refused ratio: the next one is measured from the refused candle's close.
        {"OvernightGap", {0}, refused_gap, {no, no, no, 0.25}},
        {"SeasonalZScore", {0}, daily, {no, no, no, 0.0, 0.0, no, 0.5}},
        {"TurnOfMonth", {31, 0, 0}, month, {no, no, 1.0, 1.0, no, 1.0 / 3.0, 0.5}},
    };
    for (const auto& r : rows) test::expect_series(run_candles(r.type, r.params, r.bars), r.want, 0.0, r.type);
    // The last day of February is the last day of its month in 2024 (the 29th) and in 2100 (the
    // 28th); the 28th of 2024 is not. Close 2 on the day before, 2.5 then 3 on the day, 6 after.
    for (const auto& [first_day, selected] : std::vector<std::pair<std::int64_t, bool>>{
             {19'781, false}, {19'782, true}, {47'540, true}, {47'539, false}}) {
        const Candles feb = {at_close((first_day - 1) * kDay, 2), at_close(first_day * kDay, 2.5),
                             at_close(first_day * kDay + kHour, 3), at_close((first_day + 1) * kDay, 6)};
        test::expect_series(run_candles("TurnOfMonth", {0, 1, 0}, feb), {no, no, no, selected ? Series::value_type(0.5) : no});
    }
}

TEST(CalendarTest, AWindowOfDaysWithoutRangeGivesZero) {
    // Ranges 0.1, 3.3, 0.2 and 0.7, then days without range: the never rebuilt sum keeps a residue.
    Candles days;
    std::int64_t t = 0;
    for (double r : {0.1, 3.3, 0.2, 0.7, 0.0, 0.0, 0.0, 0.0}) days.push_back(bar(t += kDay, 1, 1 + r, 1, 1));
    for (double n : {1.0, 2.0, 3.0})
        EXPECT_TRUE(test::same_bits(*run_candles("AverageDailyRange", {n, 0}, days).back(), 0.0)) << n;
}

// The spliced candles in `bad` are refused (no value), and the series they join follows the
// definition with its refusals: the next return or gap is measured from them.
void expect_spliced(const char* type, const std::vector<double>& p, const Candles& bars, std::size_t at,
                    const Candle& bad, double tol = 0.0) {
    Candles spliced = bars;
    spliced.insert(spliced.begin() + static_cast<std::ptrdiff_t>(at), bad);
    const Series want = reference(type, p, spliced);
    ASSERT_FALSE(want[at]) << type;
    test::expect_series(run_candles(type, p, spliced), want, tol, test::describe(type, p) + " refusing at " + std::to_string(at));
}

// The examples: a range of a day that is not finite, or that overflows the window's sum; a
// return or gap that is not finite. A refused range changes nothing; a refused return or gap
// leaves the sums as they were, and the next one is measured from its candle.
TEST(CalendarTest, CandlesWithoutFiniteRangesReturnsOrGapsAreRefused) {
    const Candles days = {bar(kDay, 1, 2, 1, 1.5), bar(kDay + kHour, 1.5, 2.5, 1, 2), bar(2 * kDay, 2, 3, 2, 3),
                          bar(3 * kDay, 3, 5, 2, 4), bar(3 * kDay + kHour, 4, 4, 3, 3), bar(4 * kDay, 3, 3.5, 2.5, 3)};
    for (std::size_t at : {1u, 2u, 3u, 5u}) {
        const Candle wide = bar(days[at].time, 0, 1.7e308, -1.7e308, 0);
        test::expect_candles_refused("AverageDailyRange", {1, 0}, days, at, {wide});
        test::expect_candles_refused("AverageDailyRange", {3, 0}, days, at, {wide});
    }
    // Two days of range 1.7e308 cannot both be in a window of two: the sum would overflow.
    Candles huge = days;
    huge[0] = bar(kDay, 1, 1.7e308, 0, 1);
    test::expect_candles_refused("AverageDailyRange", {2, 0}, huge, 2, {bar(2 * kDay, 1, 1.7e308, 0, 1)});
    test::expect_candles_refused("AverageDailyRange", {2, 0}, huge, 3, {bar(2 * kDay + kHour, 1, 1.7e308, 0, 1)});
    // Closes 1e-300 then 1e10: the return (and the gap of a new day opening at 1e10) overflows.
    const Candles tiny = {at_close(kDay, 2), at_close(kDay + kHour, 1e-300), at_close(2 * kDay, 3),
                          at_close(2 * kDay + kHour, 4), at_close(2 * kDay + 2 * kHour, 5), at_close(3 * kDay, 4),
                          at_close(3 * kDay + kHour, 4.5), at_close(3 * kDay + 2 * kHour, 2), at_close(4 * kDay, 3)};
    for (const std::vector<double>& p : {std::vector<double>{0}, {60}})
        for (const char* type : {"OvernightGap", "SeasonalZScore"}) expect_spliced(type, p, tiny, 2, at_close(2 * kDay, 1e10), 1e-12);
    expect_spliced("TurnOfMonth", {5, 0, 0}, tiny, 2, at_close(2 * kDay, 1e10));
    // As the last close of a selected day, 1e10 would leave the sum infinite for ever: the day
    // is left out of the mean.
    expect_spliced("TurnOfMonth", {5, 0, 0}, tiny, 5, at_close(2 * kDay + 3 * kHour, 1e10));
    // A return that is finite but whose square overflows the hour's moments.
    const Candles hour = {at_close(0, 1), at_close(kMinute, 1.5), at_close(2 * kMinute, 1), at_close(3 * kMinute, 2),
                          at_close(4 * kMinute, 1)};
    expect_spliced("SeasonalZScore", {0}, hour, 4, at_close(4 * kMinute - 1, 1e200), 1e-12);
}

}  // namespace
}  // namespace prynox
