// The market-profile types, built from the registry and fed candles, against plain
// recomputations over the window of accepted candles: the histogram types exactly, the volume-
// weighted levels exactly on their re-summed bars, the volatility cone through log within 1e-12;
// then the worked cases and the mends, one row each.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "indicators/market_profiles/tpo_profile.hpp"
#include "indicators/market_profiles/volume_profile.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Candles;
using Vec = std::vector<double>;
using Lines = std::optional<Vec>;
using Window = std::span<const Candle>;

Candle hlv(double h, double l, double v) { return {0, l, h, l, h, v}; }

std::vector<Lines> run_lines(const char* type, const Vec& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    std::vector<Lines> out;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        Lines& l = out.emplace_back();
        if (!(*built)->update(ctx)) continue;
        l.emplace();
        for (const auto& o : (*built)->outputs()) l->push_back(o.value);
    }
    return out;
}

// Varied candles around 100 with rejected ones, flat and equal runs, whose volumes vary, are 0 on
// some bars and on a run of 30; then the grid around 0 (volumes 1).
Candles series() {
    Candles bars = test::varied_candles(420, 5, true), grid = test::grid_candles(200, 9);
    std::uint64_t s = 11;
    for (std::size_t i = 0; i < bars.size(); ++i)
        if (bars[i].volume >= 0.0) bars[i].volume = test::splitmix(s) % 6 == 0 || (i >= 330 && i < 360) ? 0.0 : 1 + test::splitmix(s) % 500;
    bars.insert(bars.end(), grid.begin(), grid.end());
    return bars;
}

// The histogram of a window over b bins, straight from the written steps.
struct Histogram {
    double lo = INFINITY, hi = -INFINITY, w = 0;
    Vec bins;
    Histogram(Window k, std::size_t b, bool tpo) : bins(b) {
        for (const Candle& c : k) lo = std::min(lo, c.low), hi = std::max(hi, c.high);
        if (!(hi - lo > 0)) return;
        w = (hi - lo) / b;
        const auto bin = [&](double p) { return std::min(std::size_t(std::floor((p - lo) / w)), b - 1); };
        for (const Candle& c : k) {
            const double weight = tpo ? 1.0 : c.volume;
            if (weight == 0) continue;
            for (std::size_t j = bin(c.low); j <= bin(c.high); ++j) bins[j] += weight / (bin(c.high) - bin(c.low) + 1);
        }
    }
    bool flat() const { return !(hi - lo > 0); }
    double at(double i) const { return lo + w * i; }
    std::size_t first_max() const { return std::max_element(bins.begin(), bins.end()) - bins.begin(); }
};

// The value area: a missing side counts as -inf; the area stops once no volume lies outside it.
std::array<std::size_t, 3> area(const Vec& bins, double pct) {
    const std::size_t poc = std::max_element(bins.begin(), bins.end()) - bins.begin();
    double total = 0;
    for (double b : bins) total += b;
    std::size_t lo = poc, hi = poc;
    for (double covered = bins[poc]; covered < total * pct;) {
        bool outside = false;
        for (std::size_t j = 0; j < bins.size(); ++j) outside = outside || ((j < lo || j > hi) && bins[j] > 0);
        if (!outside) break;
        const double up = hi + 1 < bins.size() ? bins[hi + 1] : -INFINITY, down = lo > 0 ? bins[lo - 1] : -INFINITY;
        covered += up >= down ? bins[++hi] : bins[--lo];
    }
    return {poc, lo, hi};
}

Lines range_profile(Window k, const Vec& p, bool tpo) {
    const Histogram h(k, p[1], tpo);
    return Vec{h.lo, h.hi};
}
Lines value_area(Window k, const Vec& p, bool centres) {
    const Histogram h(k, p[1], false);
    if (h.flat()) return Vec(3, h.lo);
    const auto [poc, lo, hi] = area(h.bins, p[2]);
    return centres ? Vec{h.at(poc + 0.5), h.at(hi + 0.5), h.at(lo + 0.5)} : Vec{h.at(poc + 0.5), h.at(hi + 1.0), h.at(lo)};
}
Lines nodes(Window k, const Vec& p, bool) {
    const Histogram h(k, p[1], false);
    if (h.flat()) return Vec(2, h.lo);
    std::size_t lvn = h.first_max();
    for (std::size_t j = h.bins.size(); j-- > 0;)
        if (h.bins[j] > 0 && h.bins[j] <= h.bins[lvn]) lvn = j;
    return Vec{h.at(h.first_max() + 0.5), h.at(lvn + 0.5)};
}
Lines weighted_sr(Window k, const Vec&, bool) {
    double lv = 0, hv = 0, v = 0, l = 0, h = 0;
    for (const Candle& c : k) lv += c.low * c.volume, hv += c.high * c.volume, v += c.volume, l += c.low, h += c.high;
    return v > 0 ? Vec{lv / v, hv / v} : Vec{l / k.size(), h / k.size()};
}

struct Row {
    const char* type;
    Vec params;
    Lines (*f)(Window, const Vec&, bool);
    bool flag;
};
const Row kRows[] = {
    {"VolumeProfile", {1, 1}, range_profile, false},  {"VolumeProfile", {20, 24}, range_profile, false},
    {"TpoProfile", {30, 7}, range_profile, true},     {"ValueArea", {1, 3, 0.7}, value_area, false},
    {"ValueArea", {20, 24, 0.7}, value_area, false},  {"ValueArea", {35, 50, 1.0}, value_area, false},
    {"ValueArea", {8, 1, 0.3}, value_area, false},    {"CompositeProfile", {20, 24, 0.7}, value_area, true},
    {"CompositeProfile", {35, 50, 1.0}, value_area, true}, {"HighLowVolumeNodes", {2, 5}, nodes, false},
    {"HighLowVolumeNodes", {40, 30}, nodes, false},   {"VolumeWeightedSr", {1}, weighted_sr, false},
    {"VolumeWeightedSr", {14}, weighted_sr, false},   {"VolumeWeightedSr", {40}, weighted_sr, false},
};

TEST(MarketProfilesTest, EveryOutputMatchesPlainRecomputation) {
    const Candles bars = series(), in = test::accepted_candles(bars);
    for (const Row& r : kRows) {
        const std::size_t n = r.params[0];
        const bool running = std::string(r.type) == "VolumeWeightedSr";
        const std::vector<Lines> got = run_lines(r.type, r.params, bars);
        for (std::size_t i = 0, t = 0; i < bars.size(); ++i) {
            if (!candle_passes(bars[i])) {
                ASSERT_FALSE(got[i]) << r.type << " bar " << i;
                continue;
            }
            const Lines want = t + 1 >= n ? r.f(Window(in).subspan(t + 1 - n, n), r.params, r.flag) : std::nullopt;
            ASSERT_EQ(got[i].has_value(), want.has_value()) << test::describe(r.type, r.params) << " bar " << i;
            // The running sums are exact on the bars they are re-summed on, every n candles.
            const double tol = running && (t + 1) % n != 0 ? 1e-12 : 0.0;
            for (std::size_t k = 0; want && k < want->size(); ++k)
                ASSERT_TRUE(tol ? std::fabs((*got[i])[k] - (*want)[k]) <= tol * std::fabs((*want)[k])
                                : test::same_bits((*got[i])[k], (*want)[k]))
                    << test::describe(r.type, r.params) << " bar " << i << " output " << k;
            ++t;
        }
    }
}

// The cone of the accepted candles with positive closes: the sample deviation of each window of
// returns (two passes), the history's order statistics, the share at or below the current one.
// The running sums, shifted by an anchor that lags the window's mean, lose a few digits against
// the two passes where a jump sits among near-zero returns: compared within 1e-9.
std::vector<Lines> cone(const Candles& in, std::size_t w, std::size_t l) {
    std::vector<Lines> out(in.size());
    Vec r, vol;
    std::optional<double> prev;
    for (std::size_t t = 0; t < in.size(); ++t) {
        const double c = in[t].close;
        if (!(c > 0)) {
            if (t > 0) out[t] = out[t - 1];
            continue;
        }
        if (prev) r.push_back(std::log(c / *prev));
        prev = c;
        if (r.size() < w) continue;
        double m = 0, ss = 0;
        for (std::size_t j = r.size() - w; j < r.size(); ++j) m += r[j] / w;
        for (std::size_t j = r.size() - w; j < r.size(); ++j) ss += (r[j] - m) * (r[j] - m);
        const bool flat = std::all_of(r.end() - w, r.end(), [&](double x) { return x == r.back(); });
        vol.push_back(flat ? 0.0 : std::sqrt(ss / (w - 1)));
        if (vol.size() < l) continue;
        Vec s(vol.end() - l, vol.end());
        std::sort(s.begin(), s.end());
        const double now = vol.back(), med = l % 2 ? s[l / 2] : (s[l / 2 - 1] + s[l / 2]) / 2;
        out[t] = Vec{now, s.front(), med, s.back(), std::count_if(s.begin(), s.end(), [&](double x) { return x <= now; }) * 100.0 / l};
    }
    return out;
}

TEST(MarketProfilesTest, VolatilityConeMatchesPlainRecomputation) {
    // Continuous prices: equal deviations only where exactly 0, so the ranks cannot turn on the
    // last bits.
    Candles bars = test::varied_candles(600, 5, true);
    // Closes at or below zero, after the first value, give the last values again.
    for (std::size_t i : {300u, 301u, 470u, 560u}) bars[i].close = bars[i].low = i % 2 ? 0.0 : -1.0, bars[i].open = bars[i].close;
    const Candles in = test::accepted_candles(bars);
    for (const auto& [w, l] : {std::pair{2u, 2u}, {10u, 20u}, {25u, 7u}}) {
        const std::vector<Lines> got = run_lines("VolatilityCone", {double(w), double(l)}, bars), want = cone(in, w, l);
        for (std::size_t i = 0, t = 0; i < bars.size(); ++i) {
            const Lines& x = candle_passes(bars[i]) ? want[t++] : std::nullopt;
            ASSERT_EQ(got[i].has_value(), x.has_value()) << w << " " << l << " bar " << i;
            for (std::size_t k = 0; x && k < 5; ++k)
                ASSERT_NEAR((*got[i])[k], (*x)[k], 1e-9 * std::max(std::fabs((*x)[k]), 1e-3)) << w << " " << l << " bar " << i;
        }
    }
}

TEST(MarketProfilesTest, WorkedCasesAndDegenerateWindows) {
    const Candles ab = {hlv(12, 10, 100), hlv(13, 11, 50)};
    EXPECT_EQ(run_lines("ValueArea", {2, 3, 0.7}, ab)[1], (Vec{11.5, 13, 11}));
    EXPECT_EQ(run_lines("CompositeProfile", {2, 3, 0.7}, ab)[1], (Vec{11.5, 12.5, 11.5}));
    EXPECT_EQ(run_lines("HighLowVolumeNodes", {2, 3}, ab)[1], (Vec{11.5, 10.5}));
    EXPECT_EQ(run_lines("VolumeProfile", {2, 3}, ab)[1], (Vec{10, 13}));
    auto profile = VolumeProfile::create(2, 3);
    std::array<double, 2> out;
    for (const Candle& c : ab) profile->update_candle(c, out);
    EXPECT_EQ(Vec(profile->histogram().begin(), profile->histogram().end()), (Vec{100.0 / 3, 100.0 / 3 + 25, 100.0 / 3 + 25}));
    for (const Candle& c : {hlv(100, 100, 7), hlv(100, 100, 0)}) profile->update_candle(c, out);
    EXPECT_EQ(profile->histogram()[0], 7.0);
    auto tpo = TpoProfile::create(2, 3);
    for (const Candle& c : ab) tpo->update_candle(c, out);
    EXPECT_EQ(Vec(tpo->histogram().begin(), tpo->histogram().end()), (Vec{1.0 / 3, 1.0 / 3 + 0.5, 1.0 / 3 + 0.5}));
    for (const Candle& c : {hlv(100, 100, 7), hlv(100, 100, 0)}) tpo->update_candle(c, out);
    EXPECT_EQ(tpo->histogram()[0], 2.0);
    EXPECT_EQ(run_lines("VolumeWeightedSr", {2}, {hlv(12, 10, 100), hlv(14, 11, 300)})[1], (Vec{10.75, 13.5}));
    // A full share stops at the last bin holding volume: [0, 0.1, 0.2, 0.3, 0] over 10 .. 15.
    const Candles share = {hlv(15, 10, 0), hlv(11, 11, 0.1), hlv(12, 12, 0.2), hlv(13, 13, 0.3), hlv(15, 10, 0)};
    EXPECT_EQ(run_lines("ValueArea", {5, 5, 1.0}, share)[4], (Vec{13.5, 14, 11}));
    EXPECT_EQ(run_lines("CompositeProfile", {5, 5, 1.0}, share)[4], (Vec{13.5, 13.5, 11.5}));
    // The volume sum of a window without volume keeps a residue: the plain means all the same.
    Candles empty(3, hlv(12, 10, 1));
    empty.insert(empty.end(), {hlv(13, 11, 0.1), hlv(14, 12, 0.2), hlv(12, 10, 0), hlv(12, 10, 0), hlv(12, 10, 0)});
    EXPECT_EQ(run_lines("VolumeWeightedSr", {3}, empty).back(), (Vec{10, 12}));
    // Constant closes after varied ones: a deviation of exactly 0, the cone closing onto it.
    Candles steady = test::varied_candles(100, 2, false);
    steady.insert(steady.end(), 40, test::flat(0.1));
    EXPECT_EQ(run_lines("VolatilityCone", {10, 20}, steady).back(), (Vec{0, 0, 0, 0, 100}));
}

// A candle whose window would span a range or a volume beyond the doubles, or whose return is not
// finite, changes nothing.
TEST(MarketProfilesTest, InputsBeyondTheDoublesAreRefused) {
    const Candles bars = test::varied_candles(120, 3, false);
    for (const char* type : {"ValueArea", "CompositeProfile", "HighLowVolumeNodes"}) {
        const Vec p = {10, 12, 0.7};
        test::expect_candles_refused(type, p, bars, 60, {hlv(1.7e308, -1.7e308, 1)});
        Candles heavy = bars;
        heavy[58].volume = 1.7e308;
        test::expect_candles_refused(type, p, heavy, 60, {hlv(101, 100, 1.7e308)});
    }
    test::expect_candles_refused("VolumeWeightedSr", {5}, bars, 60, {hlv(1e300, 1, 1e10)});
    test::expect_candles_refused("VolatilityCone", {5, 5}, bars, 60, {test::flat(1e-323)});
}

}  // namespace
}  // namespace prynox
