// The session and opening ranges, built from the registry, against plain recomputations that take
// each candle's local day and hour from the standard library's calendar; the worked cases; candles
// whose range, distance or return would overflow, refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using Candles = std::vector<Candle>;
using Lists = std::vector<std::optional<std::vector<double>>>;  // the outputs of each candle, or none
constexpr std::int64_t kMinute = 60'000, kHour = 60 * kMinute, kDay = 24 * kHour;
constexpr std::int64_t kMaxTime = std::numeric_limits<std::int64_t>::max();

Lists run(const std::string& type, const std::vector<double>& p, const Candles& candles) {
    auto built = build_indicator(type, p);
    EXPECT_TRUE(built) << type;
    Lists out;
    for (const Candle& c : candles) {
        BarContext ctx;
        ctx.candle = &c;
        const OptionalValue v = (*built)->update(ctx);
        out.emplace_back();
        if (!v) continue;
        out.back().emplace();
        for (const NamedOutput& o : (*built)->outputs()) out.back()->push_back(o.value);
        EXPECT_TRUE(test::same_bits(*v, out.back()->at(0))) << type;
    }
    return out;
}

void expect_lists(const Lists& got, const Lists& want, const std::string& what) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].has_value(), want[i].has_value()) << what << ", candle " << i;
        if (!got[i]) continue;
        ASSERT_TRUE(std::equal(got[i]->begin(), got[i]->end(), want[i]->begin(), want[i]->end(), test::same_bits))
            << what << ", candle " << i;
    }
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
// of another local day.
Lists reference(const std::string& type, const std::vector<double>& p, const Candles& k) {
    Lists out(k.size());
    const auto offset = static_cast<std::int32_t>(p[0]);
    const auto extremes = [&k](std::size_t from, std::size_t to, auto in) {  // over [from, to] where in(j)
        double h = -INFINITY, l = INFINITY;
        for (std::size_t j = from; j <= to; ++j)
            if (in(j)) h = std::max(h, k[j].high), l = std::min(l, k[j].low);
        return std::pair{h, l};
    };
    for (std::size_t i = 0; i < k.size(); ++i) {
        std::size_t s = i;  // first candle of the day
        if (type.starts_with("Session") || type.starts_with("Overnight"))
            while (s > 0 && local(k[s - 1].time, offset).first == local(k[i].time, offset).first) --s;
        const auto every = [](std::size_t) { return true; };
        if (type == "SessionHighLow") {
            const auto [h, l] = extremes(s, i, every);
            out[i] = {h, l};
        } else if (type == "SessionRange") {
            out[i].emplace();
            for (std::int64_t session = 0; session < 3; ++session) {
                const auto [h, l] = extremes(s, i, [&](std::size_t j) { return local(k[j].time, offset).second / 8 == session; });
                out[i]->push_back(h >= l ? h - l : 0.0);
            }
        } else if (type == "OvernightIntradayReturn" && s > 0) {
            const double before = k[s - 1].close, open = k[s].open;
            out[i] = {before == 0.0 ? 0.0 : open / before - 1.0, open == 0.0 ? 0.0 : k[i].close / open - 1.0};
        } else if (type == "InitialBalance" || type == "OpeningRange") {
            const auto [h, l] = extremes(0, std::min<std::size_t>(i, static_cast<std::size_t>(p[0]) - 1), every);
            out[i] = {h, l};
            const bool halves = std::fabs(l) <= 8.988465674311579e307 && std::fabs(h) <= 8.988465674311579e307;
            if (type == "OpeningRange") out[i]->push_back(k[i].close - (halves ? (l + h) * 0.5 : l * 0.5 + h * 0.5));
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
            const double h = std::max(o, x) + std::fabs(std::round(test::unit(s) * 4.0) / 8.0), l = std::min(o, x) - 0.125;
            out.push_back(bar(i % 89 == 88 && t - start > 3 * kDay ? t - 3 * kDay : t, o, h, l, x));
        }
    }
    out.push_back(bar(kMaxTime, 1, 2, 0.5, 1.5));
    out[500] = bar(out[500].time, 1.6e308, 1.7e308, 1.6e308, 1.65e308);
    out[2] = bar(out[2].time, -5e306, -5e306, -1e307, -8e306);
    return out;
}

TEST(SessionRangesTest, EveryTypeAgainstItsDefinition) {
    const std::vector<std::pair<const char*, std::vector<std::vector<double>>>> rows = {
        {"SessionHighLow", {{0}, {60}, {-300}, {-1439}, {2147483647}, {-2147483648.0}}},
        {"SessionRange", {{0}, {330}, {-300}, {-2147483648.0}}},
        {"OvernightIntradayReturn", {{0}, {60}, {-600}, {2147483647}}},
        {"InitialBalance", {{1}, {2}, {17}, {2000}}},
        {"OpeningRange", {{1}, {3}, {40}, {2000}}},
    };
    const Candles candles = series();
    for (const auto& [type, params] : rows)
        for (const auto& p : params) expect_lists(run(type, p, candles), reference(type, p, candles), test::describe(type, p));
}

TEST(SessionRangesTest, DayBoundariesAndWorkedCases) {
    struct Pin {
        const char* type;
        double param;
        Candles candles;
        std::vector<double> last;  // the outputs of the last candle
    };
    const std::int64_t midnight = 20 * kDay;
    const Candle before = bar(midnight - 1, 1, 5, 1, 2), at = bar(midnight, 2, 3, 2, 3), eleven = bar(midnight - kHour, 2, 3, 2, 3);
    const std::vector<Pin> pins = {
        // 23:59:59.999 and 00:00 UTC are two days; with offset 60 both lie in the local day's first hours.
        {"SessionHighLow", 0, {before, at}, {3, 2}},
        {"SessionHighLow", 60, {before, at}, {5, 1}},
        // With offset 60, 23:00 UTC is already the next day.
        {"SessionHighLow", 60, {bar(midnight - kHour - 1, 1, 5, 1, 2), eleven}, {3, 2}},
        {"SessionHighLow", 0, {bar(midnight - kHour - 1, 1, 5, 1, 2), eleven}, {5, 1}},
        // Time -1 is 1969-12-31, with the rest of that day, and not with time 0.
        {"SessionHighLow", 0, {bar(-kDay, 1, 7, 0, 2), bar(-1, 2, 3, 1, 2)}, {7, 0}},
        {"SessionHighLow", 0, {bar(-kDay, 1, 7, 0, 2), bar(-1, 2, 3, 1, 2), bar(0, 2, 4, 2, 3)}, {4, 2}},
        // A day that starts at 09:00 has no asia or us range yet; the returned value is asia's.
        {"SessionRange", 0, {bar(midnight - kHour, 1, 9, 1, 2), bar(midnight + 9 * kHour, 2, 3.5, 1.25, 3)}, {0, 2.25, 0}},
        // The middle of a range whose ends add up past the largest double.
        {"OpeningRange", 1, {bar(0, 0x1.4p1023, 0x1.8p1023, 0x1p1023, 0x1.4p1023)}, {0x1.8p1023, 0x1p1023, 0}},
        {"SessionRange", -300, {bar(midnight + 2 * kHour, 1, 9, 1, 2), bar(midnight + 4 * kHour, 2, 3.5, 1.25, 3)}, {0, 0, 8}},
    };
    for (const Pin& p : pins) {
        const Lists got = run(p.type, {p.param}, p.candles);
        expect_lists({got.back()}, {p.last}, test::describe(p.type, {p.param}));
    }
}

// A return, session range or distance that would overflow refuses its candle: no value, and the
// other candles give what they give without it (the day it would have started does not start).
TEST(SessionRangesTest, CandlesWhoseValuesWouldOverflowAreRefused) {
    struct Refusal {
        const char* type;
        double param;
        Candles candles;
        std::size_t at;
        Candle bad;
    };
    const Candles days = {bar(kDay, 2, 2, 1e-300, 1e-300), bar(2 * kDay, 1e-300, 1, 1e-300, 0.5),
                          bar(2 * kDay + kHour, 0.5, 1, 0.25, 0.75), bar(3 * kDay, 1, 2, 1, 2)};
    const Candles hours = {bar(kHour, 0, 1.7e308, 0, 0), bar(2 * kHour, 0, 1, 0, 1), bar(9 * kHour, 1, 2, 1, 2),
                           bar(kDay + kHour, 1, 3, 1, 2)};
    const std::vector<Refusal> refusals = {
        {"OvernightIntradayReturn", 0, days, 1, bar(2 * kDay, 1e10, 1e10, 1e10, 1e10)},
        {"OvernightIntradayReturn", 0, days, 1, bar(2 * kDay, 1e-300, 1e10, 1e-300, 1e10)},
        {"OvernightIntradayReturn", 60, days, 2, bar(2 * kDay + 1, 1, 1e10, 1, 1e10)},
        {"SessionRange", 0, hours, 0, bar(0, 0, 1.7e308, -1.7e308, 0)},
        {"SessionRange", 0, hours, 1, bar(kHour + 1, -1.7e308, 0, -1.7e308, 0)},
        {"SessionRange", 0, hours, 3, bar(kDay, 0, 1.7e308, -1.7e308, 0)},
        {"OpeningRange", 1, {bar(0, -1.7e308, -1.6e308, -1.7e308, -1.65e308), bar(kMinute, 1, 2, 1, 2)}, 1,
         bar(1, 1.7e308, 1.7e308, 1.7e308, 1.7e308)},
    };
    for (const Refusal& r : refusals) {
        Lists want = run(r.type, {r.param}, r.candles);
        want.insert(want.begin() + static_cast<std::ptrdiff_t>(r.at), std::nullopt);
        Candles with = r.candles;
        with.insert(with.begin() + static_cast<std::ptrdiff_t>(r.at), r.bad);
        expect_lists(run(r.type, {r.param}, with), want, test::describe(r.type, {r.param}) + " at " + std::to_string(r.at));
    }
}

}  // namespace
}  // namespace prynox
