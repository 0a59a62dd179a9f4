// The price-profile and rounded-formation types against plain recomputations over whole candle
// series, their worked cases, degenerate bin widths and windows whose range leaves the doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
using Candles = std::vector<Candle>;
constexpr std::nullopt_t N = std::nullopt;

Candle bar(double o, double h, double l, double c, double v = 10.0) { return {0, o, h, l, c, v}; }

// Candles on a grid of quarters (equal prices, equal distances to levels), gaps between narrow
// candles now and then (levels left untouched), zero-volume and flat stretches.
Candles walk(std::size_t n, std::uint64_t seed) {
    Candles out;
    double x = 20.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double o = x, v = test::splitmix(seed) % 7 == 0 ? 0.0 : double(1 + test::splitmix(seed) % 40);
        if (i % 150 >= 140) {
            out.push_back(bar(x, x, x, x, i % 2 ? v : 0.0));
            continue;
        }
        x = std::round((x + test::unit(seed) * (test::splitmix(seed) % 11 == 0 ? 12.0 : 1.5)) * 4.0) / 4.0;
        const double up = std::round(std::fabs(test::unit(seed)) * 4.0) / 4.0;
        out.push_back(bar(o, std::max(o, x) + up, std::min(o, x) - std::round(std::fabs(test::unit(seed)) * 4.0) / 4.0, x, v));
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

// The profile of candles [from, to) over b bins, computed directly.
struct Profile {
    double lo = INFINITY, hi = -INFINITY, w = 0.0;
    Vec volume;
    std::vector<std::uint32_t> count;

    Profile(const Candles& k, std::size_t from, std::size_t to, std::size_t b) : volume(b), count(b) {
        for (std::size_t i = from; i < to; ++i) lo = std::min(lo, k[i].low), hi = std::max(hi, k[i].high);
        if (!(hi - lo > 0.0)) return;
        w = (hi - lo) / double(b);
        const auto bin = [&](double x) {
            const double q = std::floor((x - lo) / w);
            return !(q >= 0.0) ? 0 : q >= double(b - 1) ? b - 1 : std::size_t(q);
        };
        for (std::size_t i = from; i < to; ++i)
            for (std::size_t j = bin(k[i].low); j <= bin(k[i].high); ++j) {
                ++count[j];
                if (k[i].volume != 0.0) volume[j] += k[i].volume / double(bin(k[i].high) - bin(k[i].low) + 1);
            }
    }
    std::size_t poc() const { return std::max_element(volume.begin(), volume.end()) - volume.begin(); }
};

// Levels in the order they were made, touched ones removed, the nearest found by a full scan.
Series ref_naked_poc(const Candles& k, std::size_t p, std::size_t b) {
    Series out(k.size());
    Vec levels;
    bool completed = false;
    for (std::size_t t = 0, start = 0; t < k.size(); ++t) {
        std::erase_if(levels, [&](double l) { return k[t].low <= l && l <= k[t].high; });
        if (t + 1 - start == p) {
            const Profile pr(k, start, t + 1, b);
            levels.push_back(pr.w > 0.0 ? pr.lo + pr.w * (double(pr.poc()) + 0.5) : pr.lo);
            start = t + 1, completed = true;
        }
        if (!completed) continue;
        double best = k[t].close;
        for (std::size_t i = 0; i < levels.size(); ++i)
            if (i == 0 || std::fabs(levels[i] - k[t].close) < std::fabs(best - k[t].close)) best = levels[i];
        out[t] = best;
    }
    return out;
}

Series reference(const std::string& type, const Vec& p, const Candles& k) {
    const std::size_t n = std::size_t(p[0]);
    if (type == "NakedPoc") return ref_naked_poc(k, n, std::size_t(p[1]));
    Series out(k.size());
    for (std::size_t t = n - 1; t < k.size(); ++t) {
        if (type == "ProfileShape" || type == "SinglePrints") {
            const std::size_t b = std::size_t(p[1]);
            const Profile pr(k, t + 1 - n, t + 1, b);
            const std::size_t poc = pr.w > 0.0 ? pr.poc() : 0;
            out[t] = type == "SinglePrints" ? double(std::count(pr.count.begin(), pr.count.end(), 1u))
                     : poc < b / 3          ? -1.0
                     : poc >= b - b / 3     ? 1.0
                                            : 0.0;
            continue;
        }
        const double sign = type == "DumplingTop" ? 1.0 : -1.0;  // a bottom is the top of -C
        std::size_t at = t + 1 - n;
        for (std::size_t i = at; i <= t; ++i)
            if (sign * k[i].close > sign * k[at].close) at = i;
        const double c = sign * k[t].close;
        const bool middle = at - (t + 1 - n) >= n / 4 && at - (t + 1 - n) < n - n / 4;
        out[t] = middle && c < sign * k[at].close && c < sign * k[t + 1 - n].close ? -sign : 0.0;
    }
    return out;
}

TEST(PriceProfileTest, EveryTypeAgainstItsDefinition) {
    const std::vector<std::pair<std::string, std::vector<Vec>>> rows = {
        {"NakedPoc", {{1, 1}, {3, 10}, {5, 7}, {20, 24}, {1, 4}}},
        {"ProfileShape", {{1, 3}, {5, 3}, {20, 10}, {7, 50}}},
        {"SinglePrints", {{1, 1}, {5, 10}, {20, 50}, {3, 4}}},
        {"DumplingTop", {{5}, {8}, {21}}},
        {"FryPanBottom", {{5}, {8}, {21}}},
    };
    std::size_t distinct = 0;
    for (std::uint64_t seed : {1u, 2u}) {
        const Candles k = walk(900, seed);
        for (const auto& [type, params] : rows)
            for (const Vec& p : params) {
                const Series want = reference(type, p, k);
                test::expect_series(run(type, p, k), want, 0.0, test::describe(type, p));
                for (std::size_t t = 0; t < k.size(); ++t) distinct += want[t] && *want[t] != 0.0 && *want[t] != k[t].close;
            }
    }
    EXPECT_GT(distinct, 5000u);
}

TEST(PriceProfileTest, WorkedCases) {
    // Three bars over 10 bins of 0.3 from 10 to 13: the volume 5 of the last one makes bin 6 the
    // point of control. The level survives bar 3's touch test and bar 4; bar 5 trades through it
    // and, with no level left, gives its own close.
    const Candles poc = {bar(10, 11, 10, 11, 1), bar(11, 12, 11, 12, 1), bar(12, 13, 12, 13, 5), bar(13, 14, 13, 14),
                         bar(14, 14, 11, 11)};
    const double level = 10.0 + (3.0 / 10.0) * 6.5;
    test::expect_series(run("NakedPoc", {3, 10}, poc), {N, N, level, level, 11.0});
    // Levels 10 and 20 at equal distance from 15: the older one, whichever it is.
    const auto flat = [](double x) { return bar(x, x, x, x); };
    EXPECT_EQ(run("NakedPoc", {2, 10}, {flat(10), flat(10), flat(20), flat(20), flat(15)}).back(), 10.0);
    EXPECT_EQ(run("NakedPoc", {2, 10}, {flat(20), flat(20), flat(10), flat(10), flat(15)}).back(), 20.0);
    // A bar over every bin and a heavier one over bin k only: its third decides.
    for (const auto& [b, k, want] : std::vector<std::tuple<double, double, double>>{
             {3, 0, -1}, {3, 1, 0}, {3, 2, 1}, {10, 2, -1}, {10, 3, 0}, {10, 6, 0}, {10, 7, 1}, {10, 9, 1}}) {
        const Candles w = {bar(0, b, 0, b, 1), bar(k + 0.25, k + 0.75, k + 0.25, k + 0.75, 10)};
        EXPECT_EQ(run("ProfileShape", {2, b}, w).back(), want) << b << " bins, bin " << k;
    }
    // As written: a window without range, or without volume, reads as the lower third.
    EXPECT_EQ(run("ProfileShape", {3, 3}, Candles(3, flat(7))).back(), -1.0);
    EXPECT_EQ(run("ProfileShape", {2, 3}, {bar(1, 2, 1, 2, 0), bar(2, 9, 2, 9, 0)}).back(), -1.0);
    // Bars on bins {0, 1}, {4, 5} and {8}: every covered bin is a single print.
    EXPECT_EQ(run("SinglePrints", {3, 9}, {bar(0, 1, 0, 1), bar(4, 5, 4, 5), bar(8, 9, 8, 9)}).back(), 5.0);
    EXPECT_EQ(run("SinglePrints", {3, 9}, Candles(3, flat(4))).back(), 0.0);
    // n = 8: the top (bottom) must lie at positions 2 to 5.
    for (const auto& [closes, want] : std::vector<std::pair<Vec, double>>{{{5, 6, 9, 7, 6, 5, 4, 3}, -1},
                                                                         {{5, 1, 1, 1, 1, 9, 2, 3}, -1},
                                                                         {{5, 9, 8, 7, 6, 5, 4, 3}, 0},
                                                                         {{5, 1, 1, 1, 1, 1, 9, 3}, 0}}) {
        Candles up, down;
        for (double c : closes) up.push_back(flat(c)), down.push_back(flat(-c));
        EXPECT_EQ(run("DumplingTop", {8}, up).back(), want);
        EXPECT_EQ(run("FryPanBottom", {8}, down).back(), -want);
    }
}

// A range of 5e-324 over 4 bins has a width that underflows to 0: the quotients are NaN (the
// lowest price) and infinite, and land in the first and the last bin.
TEST(PriceProfileTest, DegenerateWidthsLandInTheEndBins) {
    const Candles k = {bar(0, 0, 0, 0), bar(0, 5e-324, 0, 5e-324)};
    EXPECT_EQ(run("SinglePrints", {2, 4}, k).back(), 3.0);
    EXPECT_EQ(run("ProfileShape", {2, 4}, k).back(), -1.0);
    EXPECT_EQ(run("NakedPoc", {2, 4}, k).back(), 0.0);  // the level: lo + 0 x 0.5
    EXPECT_EQ(run("NakedPoc", {2, 16777216}, k).back(), 0.0);
}

// A candle that would stretch its window from -1e308 to 1e308 (its bins would all be the first,
// its level infinite), or give it a total volume beyond the doubles (bins of infinities, the
// first of them the point of control), gives nothing and changes nothing.
TEST(PriceProfileTest, WindowsBeyondTheDoublesRefuseTheCandle) {
    Candles k = walk(40, 3);
    k[20] = bar(-1e308, -1e308, -1e308, -1e308, 1e308);
    for (const auto& [type, p, bad] : std::vector<std::tuple<std::string, Vec, Candle>>{
             {"NakedPoc", {2, 10}, bar(1e308, 1e308, 1e308, 1e308)},
             {"NakedPoc", {4, 10}, bar(1e308, 1e308, 1e308, 1e308)},
             {"ProfileShape", {3, 5}, bar(1e308, 1e308, 1e308, 1e308)},
             {"SinglePrints", {3, 5}, bar(1e308, 1e308, 1e308, 1e308)},
             {"ProfileShape", {30, 5}, bar(1e308, 1e308, 1e308, 1e308)},  // while the window fills
             {"SinglePrints", {30, 5}, bar(1e308, 1e308, 1e308, 1e308)},
             {"ProfileShape", {30, 5}, bar(-1e308, -1e308, -1e308, -1e308, 1e308)},
             {"NakedPoc", {2, 10}, bar(-1e308, -1e308, -1e308, -1e308, 1e308)},
             {"ProfileShape", {3, 5}, bar(-1e308, -1e308, -1e308, -1e308, 1e308)}}) {
        Series want = run(type, p, k);
        want.insert(want.begin() + 21, N);
        Candles with = k;
        with.insert(with.begin() + 21, bad);
        test::expect_series(run(type, p, with), want, 0.0, test::describe(type, p));
    }
    // Volume alone does not refuse a candle to the count profile.
    Candles heavy = k;
    heavy.insert(heavy.begin() + 21, bar(-1e308, -1e308, -1e308, -1e308, 1e308));
    EXPECT_TRUE(run("SinglePrints", {3, 5}, heavy)[21]);
}

// Windows far beyond the data cost memory for the data only, and report their warm-ups.
TEST(PriceProfileTest, WindowsBeyondTheData) {
    const Candles k = walk(500, 4);
    for (const std::string type : {"NakedPoc", "SinglePrints"}) {
        EXPECT_EQ((*build_indicator(type, Vec{1e15, 16777216}))->warmup_period(), 1000000000000000u) << type;
        for (const auto& v : run(type, {1e15, 16777216}, k)) ASSERT_FALSE(v) << type;
    }
}

}  // namespace
}  // namespace prynox
