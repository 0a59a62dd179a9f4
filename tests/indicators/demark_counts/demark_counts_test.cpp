// The DeMark counts against plain recomputations over whole candle series, and their worked
// cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "indicators/demark_counts/td_countdown.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
using Candles = std::vector<Candle>;
constexpr std::nullopt_t N = std::nullopt;

Candle bar(double o, double h, double l, double c) { return {0, o, h, l, c, 10.0}; }

// Closes on a grid of halves (ties with the reference are frequent), trending runs long enough
// to complete setups, wicks of random length.
Candles walk(std::size_t n, std::uint64_t seed) {
    Candles out;
    double x = 50.0, drift = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i % 40 == 0) drift = test::unit(seed) * 0.6;
        const double o = x;
        x = std::round((x + drift + test::unit(seed)) * 2.0) / 2.0;
        out.push_back(bar(o, std::max(o, x) + std::fabs(test::unit(seed)), std::min(o, x) - std::fabs(test::unit(seed)), x));
    }
    return out;
}

Series run(const std::string& type, const Vec& p, const Candles& bars) {
    auto built = build_indicator(type, p);
    Series out;
    for (const Candle& c : bars) {
        BarContext ctx;
        ctx.candle = &c;
        out.push_back((*built)->update(ctx));
    }
    return out;
}

// Setup, then countdown (combo = false) or combo, as written: bar t compares with bars t - a
// (setup), t - b (countdown) and t - 1 (combo); the first value on bar max(a, b) + 1.
Series ref_count(const Candles& k, std::size_t a, std::size_t s, std::size_t b, std::size_t c, bool combo) {
    Series out(k.size());
    std::size_t buy = 0, sell = 0, side = 0, cb = 0, cs = 0;
    double q = NAN;
    for (std::size_t t = std::max(a, b); t < k.size(); ++t) {
        const double C = k[t].close;
        buy = C < k[t - a].close ? std::min(buy + 1, s) : 0;
        sell = C > k[t - a].close ? std::min(sell + 1, s) : 0;
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

Series ref_setup(const Candles& k, std::size_t n, std::size_t m) {
    Series out(k.size());
    std::size_t buy = 0, sell = 0;
    for (std::size_t t = n; t < k.size(); ++t) {
        buy = k[t].close < k[t - n].close ? std::min(buy + 1, m) : 0;
        sell = k[t].close > k[t - n].close ? std::min(sell + 1, m) : 0;
        out[t] = buy > 0 ? double(buy) : sell > 0 ? -double(sell) : 0.0;
    }
    return out;
}

TEST(DemarkCountsTest, EveryTypeAgainstItsDefinition) {
    std::size_t counted = 0;
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const Candles k = walk(1500, seed);
        for (const Vec& p : {Vec{4, 9}, Vec{1, 1}, Vec{2, 3}, Vec{13, 5}})
            test::expect_series(run("TdSetup", p, k), ref_setup(k, p[0], p[1]), 0.0, test::describe("TdSetup", p));
        for (const Vec& p : {Vec{4, 9, 2, 13}, Vec{2, 9, 6, 13}, Vec{1, 2, 1, 3}, Vec{3, 4, 2, 6}, Vec{4, 5, 4, 8}})
            for (const bool combo : {false, true}) {
                const std::string type = combo ? "TdCombo" : "TdCountdown";
                const Series want = ref_count(k, p[0], p[1], p[2], p[3], combo);
                test::expect_series(run(type, p, k), want, 0.0, test::describe(type, p));
                for (const auto& v : want) counted += v && std::fabs(*v) == p[3];
            }
    }
    EXPECT_GT(counted, 100u);  // completed countdowns and combos, both sides
}

TEST(DemarkCountsTest, WorkedCases) {
    const auto flat = [](const Vec& closes) {
        Candles out;
        for (double c : closes) out.push_back(bar(c, c, c, c));
        return out;
    };
    // Nine closes each below the close four bars earlier, a tenth, one equal, one above.
    const Candles k = flat({20, 20, 20, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 13, 13});
    test::expect_series(run("TdSetup", {4, 9}, k), {N, N, N, N, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 0, -1.0});
    // No countdown before the setup reaches 9; the bar completing it (close 11 at or below the
    // low 13 two bars back) is countdown bar 1.
    test::expect_series(run("TdCountdown", {4, 9, 2, 13}, k), {N, N, N, N, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 2, 2});
    for (const auto& [p, warmup] : std::vector<std::pair<Vec, std::uint64_t>>{{{4, 9, 2, 13}, 5}, {{2, 9, 6, 13}, 7}})
        EXPECT_EQ((*build_indicator("TdCountdown", p))->warmup_period(), warmup);
    // A sell setup completing during a buy countdown at 9 switches to the sell side with its
    // count at 0 (+0.0) when the bar does not reach the high one bar back (40), at -1 when it does.
    Candles sw = k;
    sw.insert(sw.end(), {bar(30, 30, 30, 30), bar(31, 40, 31, 31), bar(32, 32, 32, 32)});
    const Series got = run("TdCountdown", {1, 3, 1, 13}, sw);
    test::expect_series(got, {N, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 9, 9, 0});
    EXPECT_TRUE(test::same_bits(*got.back(), 0.0));
    sw[17].high = 31;
    EXPECT_EQ(run("TdCountdown", {1, 3, 1, 13}, sw).back(), -1.0);
    // Countdown length 6: the close of count 1 (17) qualifies the sixth bar. After a rally the
    // closes 23 and 22 are at or below the low two bars back, but their lows stay above 17: the
    // count holds at 5 until the low 16 reaches it.
    const Candles q = flat({20, 19, 18, 17, 16, 15, 14, 13, 25, 24, 23, 22, 16, 15});
    test::expect_series(run("TdCountdown", {1, 2, 2, 6}, q), {N, N, 0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 6, 6});
    // With a length of 5 or less no close qualifies: the fifth bar counts at once.
    test::expect_series(run("TdCountdown", {1, 2, 2, 5}, q), {N, N, 0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 5, 5});
}

// The combo counts only bars that close below the previous close: a close at or below the low
// two bars back but at or above the previous close does not count.
TEST(DemarkCountsTest, ComboNeedsACloseBelowThePreviousOne) {
    const Candles k = {bar(10, 10, 10, 10), bar(9, 9, 9, 9), bar(8, 8, 8, 8), bar(8, 8, 7, 8), bar(7, 8, 6.5, 7)};
    test::expect_series(run("TdCombo", {1, 1, 2, 13}, k), {N, N, 1, 1, 2});
}

// The state another type embeds gives the setup, the countdown and the side it counted.
TEST(DemarkCountsTest, EmbeddedCountdownGivesItsCounts) {
    auto td = *TdCountdown::create(2, 3, 1, 4);
    const Candles k = walk(600, 9);
    const Series setup = ref_setup(k, 2, 3), count = ref_count(k, 2, 3, 1, 4, false);
    for (std::size_t t = 0; t < k.size(); ++t) {
        ASSERT_EQ(td.step(k[t]), setup[t].has_value()) << t;
        if (!setup[t]) continue;
        ASSERT_EQ(td.setup(), *setup[t]) << t;
        ASSERT_EQ(td.countdown(), *count[t]) << t;
        if (td.countdown() != 0.0) {
            ASSERT_EQ(td.direction(), td.countdown() > 0 ? 1.0 : -1.0) << t;
        }
    }
}

// Look-backs far beyond the data cost memory for the data only, and report their warm-ups.
TEST(DemarkCountsTest, LookbacksBeyondTheData) {
    const Candles k = walk(500, 4);
    for (const auto& [type, p] : std::vector<std::pair<std::string, Vec>>{
             {"TdSetup", {1e15, 9}}, {"TdCountdown", {4, 9, 1e15, 13}}, {"TdCombo", {1e15, 9, 2, 13}}}) {
        EXPECT_EQ((*build_indicator(type, p))->warmup_period(), 1000000000000001u) << type;
        for (const auto& v : run(type, p, k)) ASSERT_FALSE(v) << type;
    }
}

}  // namespace
}  // namespace prynox
