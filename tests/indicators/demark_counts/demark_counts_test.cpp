// The DeMark counts against plain recomputations over whole candle series, and their worked
// cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "indicators/demark_counts/td_countdown.hpp"
#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Series;
using Vec = std::vector<double>;
using test::Candles;
constexpr std::nullopt_t N = std::nullopt;

// Closes on a grid of halves (ties with the reference are frequent), trending runs long enough
// to complete setups, wicks of random length.
Candles walk(std::size_t n, std::uint64_t seed) {
    Candles out;
    double x = 50.0, drift = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i % 40 == 0) drift = test::unit(seed) * 0.6;
        const double o = x;
        x = std::round((x + drift + test::unit(seed)) * 2.0) / 2.0;
        const auto wick = [&seed] { return std::round(std::fabs(test::unit(seed)) * 2.0) / 2.0; };
        out.push_back(bar(o, std::max(o, x) + wick(), std::min(o, x) - wick(), x));
    }
    return out;
}

// Setup, then countdown (combo = false) or combo, as written: bar t compares with bars t - a
// (setup), t - b (countdown) and t - 1 (combo); the first value on bar max(a, b) + 1.
// With `setup`, the setup count there too: buy positive, sell negative.
Series ref_count(const Candles& k, std::size_t a, std::size_t s, std::size_t b, std::size_t c, bool combo,
                 Series* setup = nullptr) {
    Series out(k.size());
    std::size_t buy = 0, sell = 0, side = 0, cb = 0, cs = 0;
    double q = NAN;
    for (std::size_t t = std::max(a, b); t < k.size(); ++t) {
        const double C = k[t].close;
        buy = C < k[t - a].close ? std::min(buy + 1, s) : 0;
        sell = C > k[t - a].close ? std::min(sell + 1, s) : 0;
        if (setup) (*setup)[t] = buy > 0 ? double(buy) : sell > 0 ? -double(sell) : 0.0;
        const std::size_t now = buy == s ? 1 : sell == s ? 2 : side;
        if (now != side) side = now, cb = cs = 0, q = NAN;
        const Candle &far = k[t - b], &prev = k[t - 1];
        if (combo) {
            cb += side == 1 && cb < c && C < prev.close && C <= far.low && k[t].low <= prev.low;
            cs += side == 2 && cs < c && C > prev.close && C >= far.high && k[t].high >= prev.high;
        } else if (side == 1 && C <= far.low && cb < c && !(cb + 1 == c && k[t].low > q)) {
            if (++cb + 5 == c) q = C;
        } else if (side == 2 && C >= far.high && cs < c && !(cs + 1 == c && k[t].high < q)) {
            if (++cs + 5 == c) q = C;
        }
        out[t] = side == 1 ? double(cb) : side == 2 && cs > 0 ? -double(cs) : 0.0;
    }
    return out;
}

TEST(DemarkCountsTest, EveryTypeAgainstItsDefinition) {
    std::size_t counted = 0;
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const Candles k = walk(1500, seed);
        for (const Vec& p : {Vec{4, 9}, Vec{1, 1}, Vec{2, 3}, Vec{13, 5}, Vec{1e15, 9}}) {
            Series want(k.size());
            (void)ref_count(k, p[0], p[1], 1, 1, false, &want);
            test::expect_series(test::run_candles("TdSetup", p, k), want, 0.0, test::describe("TdSetup", p));
        }
        // Look-backs of 1e15: memory for the data seen only, and no value.
        for (const Vec& p : {Vec{4, 9, 2, 13}, Vec{2, 9, 6, 13}, Vec{1, 2, 1, 3}, Vec{3, 4, 2, 6}, Vec{4, 5, 4, 8},
                             Vec{4, 9, 1e15, 13}, Vec{1e15, 9, 2, 13}})
            for (const bool combo : {false, true}) {
                const std::string type = combo ? "TdCombo" : "TdCountdown";
                Series setup(k.size());
                const Series want = ref_count(k, p[0], p[1], p[2], p[3], combo, &setup);
                test::expect_series(test::run_candles(type, p, k), want, 0.0, test::describe(type, p));
                for (const auto& v : want) counted += v && std::fabs(*v) == p[3];
                if (combo) continue;
                // The state another type embeds gives the setup, the countdown and the side.
                auto td = *TdCountdown::create(p[0], p[1], p[2], p[3]);
                for (std::size_t t = 0; t < k.size(); ++t) {
                    ASSERT_EQ(td.step(k[t]), setup[t].has_value()) << t;
                    if (setup[t]) {
                        ASSERT_TRUE(td.setup() == *setup[t] && td.countdown() == *want[t] &&
                                    (*want[t] == 0.0 || td.direction() == (*want[t] > 0 ? 1.0 : -1.0))) << t;
                    }
                }
            }
    }
    EXPECT_GT(counted, 100u);  // completed countdowns and combos, both sides
}

Candles flats(const Vec& closes, const Candles& then = {}) {
    Candles out;
    for (double c : closes) out.push_back(test::flat(c));
    out.insert(out.end(), then.begin(), then.end());
    return out;
}

TEST(DemarkCountsTest, WorkedCases) {
    // Nine closes each below the close four bars earlier, a tenth, one equal, one above.
    const Vec k = {20, 20, 20, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 13, 13};
    const Vec q = {20, 19, 18, 17, 16, 15, 14, 13, 25, 24, 23, 22, 16, 15};
    const std::vector<std::tuple<const char*, Vec, Candles, Series>> rows = {
        {"TdSetup", {4, 9}, flats(k), {N, N, N, N, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 0, -1.0}},
        // No countdown before the setup reaches 9; the bar completing it (close 11 at or below
        // the low 13 two bars back) is countdown bar 1.
        {"TdCountdown", {4, 9, 2, 13}, flats(k), {N, N, N, N, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 2, 2}},
        // A sell setup completing during a buy countdown at 9 switches to the sell side with its
        // count at +0.0 when the bar does not reach the high one bar back (40), at -1 when it does.
        {"TdCountdown", {1, 3, 1, 13}, flats(k, {test::flat(30), bar(31, 40, 31, 31), test::flat(32)}),
         {N, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 9, 9, 0.0}},
        {"TdCountdown", {1, 3, 1, 13}, flats(k, {test::flat(30), bar(31, 31, 31, 31), test::flat(32)}),
         {N, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 9, 9, -1.0}},
        // Length 6: the close of count 1 (17) qualifies the sixth bar. After a rally the closes 23
        // and 22 are at or below the low two bars back, but their lows stay above 17: the count
        // holds at 5 until the low 16 reaches it. With a length of 5 the fifth bar counts at once.
        {"TdCountdown", {1, 2, 2, 6}, flats(q), {N, N, 0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 6, 6}},
        {"TdCountdown", {1, 2, 2, 5}, flats(q), {N, N, 0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 5, 5}},
    };
    for (const auto& [type, p, candles, want] : rows)
        test::expect_series(test::run_candles(type, p, candles), want, 0.0, test::describe(type, p));
}

}  // namespace
}  // namespace prynox
