// The price-profile and rounded-formation types against plain recomputations over whole candle
// series, their pinned cases, degenerate bin widths and windows whose range leaves the doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
using test::Candles;

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
        // Windows of 1e15: memory for the data seen only, and no value.
        {"NakedPoc", {{1, 1}, {3, 10}, {5, 7}, {20, 24}, {1, 4}, {1e15, 16777216}}},
        {"ProfileShape", {{1, 3}, {5, 3}, {20, 10}, {7, 50}}},
        {"SinglePrints", {{1, 1}, {5, 10}, {20, 50}, {3, 4}, {1e15, 16777216}}},
        {"DumplingTop", {{5}, {8}, {21}}},
        {"FryPanBottom", {{5}, {8}, {21}}},
    };
    std::size_t distinct = 0;
    for (std::uint64_t seed : {1u, 2u}) {
        const Candles k = walk(900, seed);
        for (const auto& [type, params] : rows)
            for (const Vec& p : params) {
                const Series want = reference(type, p, k);
                test::expect_series(test::run_candles(type, p, k), want, 0.0, test::describe(type, p));
                for (std::size_t t = 0; t < k.size(); ++t) distinct += want[t] && *want[t] != 0.0 && *want[t] != k[t].close;
            }
    }
    EXPECT_GT(distinct, 5000u);
}

// The last value of short series: kept as written, a window without range or without volume
// reads as the lower third; every covered bin a single print; a range of 5e-324 over 4 bins has a
// width that underflows to 0, whose quotients (NaN at the lowest price, infinite) land in the
// first and the last bin.
TEST(PriceProfileTest, PinnedCases) {
    const Candles tiny = {bar(0, 0, 0, 0), bar(0, 5e-324, 0, 5e-324)};
    const std::vector<std::tuple<const char*, Vec, Candles, double>> rows = {
        {"ProfileShape", {3, 3}, Candles(3, bar(7, 7, 7, 7)), -1.0},
        {"ProfileShape", {2, 3}, {bar(1, 2, 1, 2, 0), bar(2, 9, 2, 9, 0)}, -1.0},
        {"SinglePrints", {3, 9}, {bar(0, 1, 0, 1), bar(4, 5, 4, 5), bar(8, 9, 8, 9)}, 5.0},  // bins {0, 1}, {4, 5}, {8}
        {"SinglePrints", {3, 9}, Candles(3, bar(4, 4, 4, 4)), 0.0},
        {"SinglePrints", {2, 4}, tiny, 3.0},
        {"ProfileShape", {2, 4}, tiny, -1.0},
        {"NakedPoc", {2, 4}, tiny, 0.0},  // the level: lo + 0 x 0.5
        {"NakedPoc", {2, 16777216}, tiny, 0.0},
    };
    for (const auto& [type, p, candles, last] : rows)
        EXPECT_EQ(test::run_candles(type, p, candles).back(), last) << test::describe(type, p);
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
             {"ProfileShape", {3, 5}, bar(-1e308, -1e308, -1e308, -1e308, 1e308)}})
        test::expect_candles_refused(type, p, k, 21, {bad});
    // Volume alone does not refuse a candle to the count profile.
    Candles heavy = k;
    heavy.insert(heavy.begin() + 21, bar(-1e308, -1e308, -1e308, -1e308, 1e308));
    EXPECT_TRUE(test::run_candles("SinglePrints", {3, 5}, heavy)[21]);
}

}  // namespace
}  // namespace prynox
