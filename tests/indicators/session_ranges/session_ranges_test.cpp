// The session and opening ranges, built from the registry, against plain recomputations that take
// each candle's local day and hour from the standard library's calendar; the worked cases; candles
// whose range, distance or return would overflow, refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using Candles = std::vector<Candle>;
using test::Series;  // the outputs of each candle in turn; none on a candle that gives no values
constexpr std::int64_t kMinute = 60'000, kHour = 60 * kMinute, kDay = 24 * kHour;
constexpr std::int64_t kMaxTime = std::numeric_limits<std::int64_t>::max();

Series run(const std::string& type, double p, const Candles& candles) {
    auto built = build_indicator(type, std::vector<double>{p});
    Series out;
    for (const Candle& c : candles) {
        BarContext ctx;
        ctx.candle = &c;
        const bool given = (*built)->update(ctx).has_value();
        for (std::size_t k = 0; k < (*built)->output_names().size(); ++k)
            out.push_back(given ? Series::value_type((*built)->outputs()[k].value) : std::nullopt);
    }
    return out;
}

Candle bar(std::int64_t t, double o, double h, double l, double c) { return {t, o, h, l, c, 1.0}; }

// Local day number and hour as the standard library's calendar gives them.
std::pair<std::int64_t, std::int64_t> local(std::int64_t time, std::int32_t offset) {
    using namespace std::chrono;
    const auto t = floor<seconds>(sys_time<milliseconds>(milliseconds(time))) + minutes(offset);
    const sys_days d = floor<days>(t);
    return {d.time_since_epoch().count(), duration_cast<hours>(t - d).count()};
}

// Each type from its definition: the candles of the current day are those back to the last candle
// of another local day. A day whose overnight return leaves the doubles has no returns, and a
// candle whose intraday return does has none; the next day's is taken from the day's last close.
Series reference(const std::string& type, double p, const Candles& k) {
    Series out;
    const auto day = [&](std::size_t j) { return local(k[j].time, static_cast<std::int32_t>(p)); };
    const auto extremes = [&k](std::size_t from, std::size_t to, auto in) {  // over [from, to] where in(j)
        double h = -INFINITY, l = INFINITY;
        for (std::size_t j = from; j <= to; ++j)
            if (in(j)) h = std::max(h, k[j].high), l = std::min(l, k[j].low);
        return std::pair{h, l};
    };
    const auto every = [](std::size_t) { return true; };
    for (std::size_t i = 0; i < k.size(); ++i) {
        std::size_t s = i;  // first candle of the day
        while (s > 0 && day(s - 1).first == day(i).first) --s;
        if (type == "SessionHighLow") {
            const auto [dh, dl] = extremes(s, i, every);
            out.insert(out.end(), {dh, dl});
        } else if (type == "SessionRange") {
            for (std::int64_t session = 0; session < 3; ++session) {
                const auto [sh, sl] = extremes(s, i, [&](std::size_t j) { return day(j).second / 8 == session; });
                out.push_back(sh >= sl ? sh - sl : 0.0);
            }
        } else if (type == "OvernightIntradayReturn") {
            const double before = s > 0 ? k[s - 1].close : 0.0, open = k[s].open;
            const double overnight = before == 0.0 ? 0.0 : open / before - 1.0, intraday = open == 0.0 ? 0.0 : k[i].close / open - 1.0;
            if (s == 0 || !std::isfinite(overnight) || !std::isfinite(intraday)) out.insert(out.end(), 2, std::nullopt);
            else out.insert(out.end(), {overnight, intraday});
        } else {
            const auto [h, l] = extremes(0, std::min(i, static_cast<std::size_t>(p) - 1), every);
            out.insert(out.end(), {h, l});
            const bool halves = std::fabs(l) <= 8.988465674311579e307 && std::fabs(h) <= 8.988465674311579e307;
            if (type == "OpeningRange") out.push_back(k[i].close - (halves ? (l + h) * 0.5 : l * 0.5 + h * 0.5));
        }
    }
    return out;
}

// Candles at uneven steps of a quarter hour to nine hours: across the start of the epoch, across
// a leap day, at the ends of the 64-bit time range; prices on a grid of eighths with zeros, negative
// stretches, a few candles back in time, and two candles past half the largest double.
Candles series() {
    Candles out;
    std::uint64_t s = 23;
    double x = 3.0;
    for (const std::int64_t start : {-9 * kDay + 7 * kMinute, 19'774 * kDay, std::numeric_limits<std::int64_t>::min(),
                                     kMaxTime - 150 * kDay}) {
        std::int64_t t = start;
        for (int i = 0; i < 240; ++i, t += (static_cast<std::int64_t>(test::splitmix(s) % 36) + 1) * 15 * kMinute) {
            const double o = i % 37 == 36 ? 0.0 : x;
            x = i % 43 == 42 ? 0.0 : std::round((x + test::unit(s) * 2.0) * 8.0) / 8.0;
            const double h = std::max(o, x) + std::fabs(std::round(test::unit(s) * 4.0) / 8.0);
            const double l = std::min(o, x) - 0.125;
            out.push_back(bar(i % 89 == 88 && t - start > 3 * kDay ? t - 3 * kDay : t, o, h, l, x));
        }
    }
    out.push_back(bar(kMaxTime, 1, 2, 0.5, 1.5));
    out[500] = bar(out[500].time, 1.6e308, 1.7e308, 1.6e308, 1.65e308);
    out[2] = bar(out[2].time, -5e306, -5e306, -1e307, -8e306);
    return out;
}

TEST(SessionRangesTest, EveryTypeAgainstItsDefinition) {
    const std::vector<std::pair<const char*, std::vector<double>>> rows = {
        {"SessionHighLow", {0, 60, -300, -1439, 2147483647, -2147483648.0}},
        {"SessionRange", {0, 330, -300, -2147483648.0}},
        {"OvernightIntradayReturn", {0, 60, -600, 2147483647}},
        {"InitialBalance", {1, 2, 17, 2000}},
        {"OpeningRange", {1, 3, 40, 2000}},
    };
    const Candles candles = series();
    for (const auto& [type, params] : rows)
        for (double p : params)
            test::expect_series(run(type, p, candles), reference(type, p, candles), 0.0, test::describe(type, {p}));
}

TEST(SessionRangesTest, DayBoundariesAndWorkedCases) {
    const std::int64_t midnight = 20 * kDay;
    const double huge = 0x1p1023;
    const std::vector<std::tuple<const char*, double, Candles, Series>> pins = {  // the outputs of the last candle
        // 23:59:59.999 and 00:00 UTC are two days; with offset 60 both lie in the local day's first hours.
        {"SessionHighLow", 60, {bar(midnight - 1, 1, 5, 1, 2), bar(midnight, 2, 3, 2, 3)}, {5, 1}},
        // Time -1 is 1969-12-31, with the rest of that day, and not with time 0.
        {"SessionHighLow", 0, {bar(-kDay, 1, 7, 0, 2), bar(-1, 2, 3, 1, 2), bar(0, 2, 4, 2, 3)}, {4, 2}},
        // A day that starts at 09:00 has no asia or us range yet; the returned value is asia's.
        {"SessionRange", 0, {bar(midnight - kHour, 1, 9, 1, 2), bar(midnight + 9 * kHour, 2, 3.5, 1.25, 3)}, {0, 2.25, 0}},
        // The middle of a range whose ends add up past the largest double.
        {"OpeningRange", 1, {bar(0, 1.25 * huge, 1.5 * huge, huge, 1.25 * huge)}, {1.5 * huge, huge, 0}},
    };
    for (const auto& [type, p, candles, last] : pins) {
        const Series got = run(type, p, candles);
        test::expect_series(Series(got.end() - static_cast<std::ptrdiff_t>(last.size()), got.end()), last, 0.0,
                            test::describe(type, {p}));
    }
}

// A return, session range or distance that would overflow refuses its candle: no value, and the
// other candles give what they give without it (the day it would have started does not start).
TEST(SessionRangesTest, CandlesWhoseValuesWouldOverflowAreRefused) {
    const Candles days = {bar(kDay, 2, 2, 1e-300, 1e-300), bar(2 * kDay, 1e-300, 1, 1e-300, 0.5),
                          bar(2 * kDay + kHour, 0.5, 1, 0.25, 0.75), bar(3 * kDay, 1, 2, 1, 2)};
    const Candles hours = {bar(kHour, 0, 1.7e308, 0, 0), bar(2 * kHour, 0, 1, 0, 1), bar(9 * kHour, 1, 2, 1, 2),
                           bar(kDay + kHour, 1, 3, 1, 2)};
    const std::vector<std::tuple<const char*, double, Candles, std::size_t, Candle>> refusals = {
        {"SessionRange", 0, hours, 1, bar(kHour + 1, -1.7e308, 0, -1.7e308, 0)},
        {"SessionRange", 0, hours, 3, bar(kDay, 0, 1.7e308, -1.7e308, 0)},
        {"OpeningRange", 1, {bar(0, -1.7e308, -1.6e308, -1.7e308, -1.65e308), bar(kMinute, 1, 2, 1, 2)}, 1,
         bar(1, 1.7e308, 1.7e308, 1.7e308, 1.7e308)},
    };
    for (const auto& [type, p, candles, at, bad] : refusals) {
        Series want = run(type, p, candles);
        const std::size_t n = want.size() / candles.size();  // outputs per candle
        want.insert(want.begin() + static_cast<std::ptrdiff_t>(at * n), n, std::nullopt);
        Candles with = candles;
        with.insert(with.begin() + static_cast<std::ptrdiff_t>(at), bad);
        test::expect_series(run(type, p, with), want, 0.0, test::describe(type, {p}) + " at " + std::to_string(at));
    }
    // A refused overnight return leaves its day without returns; an intraday one, its candle. The
    // next day's overnight return is measured from the refused day's last close.
    for (const auto& [p, at, bad] : {std::tuple{0.0, 1u, bar(2 * kDay, 1e10, 1e10, 1e10, 1e10)},
                                     {0.0, 1u, bar(2 * kDay, 1e-300, 1e10, 1e-300, 1e10)},
                                     {60.0, 2u, bar(2 * kDay + 1, 1, 1e10, 1, 1e10)}}) {
        Candles with = days;
        with.insert(with.begin() + static_cast<std::ptrdiff_t>(at), bad);
        const Series want = reference("OvernightIntradayReturn", p, with);
        ASSERT_FALSE(want[2 * at]) << at;
        test::expect_series(run("OvernightIntradayReturn", p, with), want, 0.0, "OvernightIntradayReturn at " + std::to_string(at));
    }
    // Day 2 opens beyond the doubles after day 1's close: no returns all day; day 3 opens 0.25
    // above day 2's last close of 8e9.
    const Series next_day = run("OvernightIntradayReturn", 0, {bar(kDay, 1, 1, 1e-300, 1e-300), bar(2 * kDay, 1e10, 1e10, 1e10, 1e10),
                                                              bar(2 * kDay + kHour, 1e10, 1e10, 8e9, 8e9),
                                                              bar(3 * kDay, 1e10, 1.1e10, 1e10, 1.1e10)});
    test::expect_series(Series(next_day.begin() + 2, next_day.end()), {std::nullopt, std::nullopt, std::nullopt, std::nullopt, 0.25, 1.1e10 / 1e10 - 1.0});
}

}  // namespace
}  // namespace prynox
