// The market-profile types, built from the registry and fed candles, against plain
// recomputations over the window of accepted candles: the histogram types exactly, the volume-
// weighted levels exactly on their re-summed bars, the volatility cone through log; then the
// worked cases and the mends, one row each.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "indicators/market_profiles/output_lines.hpp"
#include "indicators/market_profiles/tpo_profile.hpp"
#include "indicators/market_profiles/volume_profile.hpp"

namespace prynox {
namespace {

using test::Candles;
using test::Lines;
using test::run_lines;
using Vec = std::vector<double>;
using Window = std::span<const Candle>;

Candle hlv(double h, double l, double v) { return {0, l, h, l, h, v}; }

// Varied candles around 100 (rejected ones, flat and equal runs) whose volumes vary, are 0 on some
// bars and on a run of 30.
Candles varied(std::size_t n) {
    Candles bars = test::varied_candles(n, 5, true);
    std::uint64_t s = 11;
    for (std::size_t i = 0; i < bars.size(); ++i)
        if (bars[i].volume >= 0) bars[i].volume = test::splitmix(s) % 6 == 0 || (i >= 330 && i < 360) ? 0 : 1 + test::splitmix(s) % 500;
    return bars;
}

// The histogram of a window over b bins, straight from the written steps.
struct Histogram {
    double lo = INFINITY, hi = -INFINITY, w = 0;
    Vec bins;
    Histogram(Window k, std::size_t b) : bins(b) {
        for (const Candle& c : k) lo = std::min(lo, c.low), hi = std::max(hi, c.high);
        w = (hi - lo) / b;
        const auto bin = [&](double p) { return std::min(std::size_t(std::floor((p - lo) / w)), b - 1); };
        for (const Candle& c : k)
            for (std::size_t j = w > 0 ? bin(c.low) : 1; w > 0 && c.volume > 0 && j <= bin(c.high); ++j)
                bins[j] += c.volume / (bin(c.high) - bin(c.low) + 1);
    }
    double at(double i) const { return lo + w * i; }
    std::size_t first_max() const { return std::max_element(bins.begin(), bins.end()) - bins.begin(); }
};

Lines range(Window k, const Vec&, bool) {
    const Histogram h(k, 1);
    return Vec{h.lo, h.hi};
}
// The value area: a missing side counts as -inf; the area stops once no volume lies outside it.
Lines value_area(Window k, const Vec& p, bool centres) {
    const Histogram h(k, p[1]);
    if (!(h.w > 0)) return Vec(3, h.lo);
    const Vec& v = h.bins;
    double total = 0;
    for (double x : v) total += x;
    std::size_t lo = h.first_max(), hi = lo;
    for (double covered = v[lo]; covered < total * p[2];) {
        bool outside = false;
        for (std::size_t j = 0; j < v.size(); ++j) outside = outside || ((j < lo || j > hi) && v[j] > 0);
        if (!outside) break;
        const double up = hi + 1 < v.size() ? v[hi + 1] : -INFINITY, down = lo > 0 ? v[lo - 1] : -INFINITY;
        covered += up >= down ? v[++hi] : v[--lo];
    }
    const double poc = h.at(h.first_max() + 0.5);
    return centres ? Vec{poc, h.at(hi + 0.5), h.at(lo + 0.5)} : Vec{poc, h.at(hi + 1.0), h.at(lo)};
}
Lines nodes(Window k, const Vec& p, bool) {
    const Histogram h(k, p[1]);
    std::size_t lvn = h.first_max();
    for (std::size_t j = h.bins.size(); j-- > 0;)
        if (h.bins[j] > 0 && h.bins[j] <= h.bins[lvn]) lvn = j;
    return h.w > 0 ? Vec{h.at(h.first_max() + 0.5), h.at(lvn + 0.5)} : Vec(2, h.lo);
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
    bool centres = false;
};
const Row kRows[] = {
    {"VolumeProfile", {1, 1}, range}, {"TpoProfile", {30, 7}, range}, {"ValueArea", {1, 3, 0.7}, value_area},
    {"ValueArea", {20, 24, 0.7}, value_area}, {"ValueArea", {35, 50, 1.0}, value_area}, {"ValueArea", {8, 1, 0.3}, value_area},
    {"CompositeProfile", {20, 24, 0.7}, value_area, true}, {"CompositeProfile", {35, 50, 1.0}, value_area, true},
    {"HighLowVolumeNodes", {2, 5}, nodes}, {"HighLowVolumeNodes", {40, 30}, nodes}, {"VolumeWeightedSr", {1}, weighted_sr},
    {"VolumeWeightedSr", {14}, weighted_sr},
};

TEST(MarketProfilesTest, EveryOutputMatchesPlainRecomputation) {
    Candles bars = varied(420), grid = test::grid_candles(200, 9);
    bars.insert(bars.end(), grid.begin(), grid.end());
    const Candles in = test::accepted_candles(bars);
    for (const Row& r : kRows) {
        const std::size_t n = r.params[0];
        std::vector<Lines> want(in.size());
        for (std::size_t t = n - 1; t < in.size(); ++t) want[t] = r.f(Window(in).subspan(t + 1 - n, n), r.params, r.centres);
        // The running sums are exact on the bars they are re-summed on, every n candles.
        const bool running = r.f == weighted_sr;
        test::expect_lines(r.type, r.params, bars, want, [&](std::size_t t) { return running && (t + 1) % n ? 1e-12 : 0.0; });
    }
}

// The cone over accepted candles: closes at or below 0 repeat the last values; a return without a
// finite log (2e8 after a first close of 1e-300) is none, and the next is taken from its close;
// the sample deviation of each window of returns in two passes (0 for equal returns), the
// history's order statistics and the share at or below the current one. The running sums, shifted by an anchor
// that lags the window's mean, lose a few digits against the two passes where a jump sits among
// near-zero returns: compared within 1e-9.
TEST(MarketProfilesTest, VolatilityConeMatchesPlainRecomputation) {
    Candles bars = varied(600);  // continuous prices: equal deviations only where exactly 0
    for (std::size_t i : {300u, 301u, 470u, 560u}) bars[i].open = bars[i].close = bars[i].low = i % 2 ? 0.0 : -1.0;
    bars[0] = test::flat(1e-300), bars[1] = test::flat(2e8);
    const Candles in = test::accepted_candles(bars);
    for (const auto& [w, l] : {std::pair{2u, 2u}, {10u, 20u}, {25u, 7u}}) {
        std::vector<Lines> want(in.size());
        Vec r, vol;
        std::optional<double> prev;
        for (std::size_t t = 0; t < in.size(); ++t) {
            if (!(in[t].close > 0)) {
                want[t] = t ? want[t - 1] : std::nullopt;
                continue;
            }
            const std::optional<double> from = std::exchange(prev, in[t].close);
            if (from) {
                if (!std::isfinite(std::log(in[t].close / *from))) continue;
                r.push_back(std::log(in[t].close / *from));
            }
            if (r.size() < w) continue;
            double m = 0, ss = 0;
            for (std::size_t j = r.size() - w; j < r.size(); ++j) m += r[j] / w;
            for (std::size_t j = r.size() - w; j < r.size(); ++j) ss += (r[j] - m) * (r[j] - m);
            vol.push_back(std::all_of(r.end() - w, r.end(), [&](double x) { return x == r.back(); }) ? 0 : std::sqrt(ss / (w - 1)));
            if (vol.size() < l) continue;
            Vec s(vol.end() - l, vol.end());
            std::sort(s.begin(), s.end());
            const double now = vol.back(), at_or_below = std::count_if(s.begin(), s.end(), [&](double x) { return x <= now; });
            want[t] = Vec{now, s[0], l % 2 ? s[l / 2] : (s[l / 2 - 1] + s[l / 2]) / 2, s.back(), at_or_below * 100 / l};
        }
        test::expect_lines("VolatilityCone", {double(w), double(l)}, bars, want, [](std::size_t) { return 1e-9; }, 1e-3);
    }
}

TEST(MarketProfilesTest, WorkedCasesAndDegenerateWindows) {
    const Candles ab = {hlv(12, 10, 100), hlv(13, 11, 50)}, flat = {hlv(100, 100, 7), hlv(100, 100, 0)};
    EXPECT_EQ(run_lines("ValueArea", {2, 3, 0.7}, ab)[1], (Vec{11.5, 13, 11}));
    EXPECT_EQ(run_lines("CompositeProfile", {2, 3, 0.7}, ab)[1], (Vec{11.5, 12.5, 11.5}));
    EXPECT_EQ(run_lines("HighLowVolumeNodes", {2, 3}, ab)[1], (Vec{11.5, 10.5}));
    // The histograms kept: the worked window, then a flat one (its volume, or its count, in bin 0).
    auto volume = VolumeProfile::create(2, 3);
    auto tpo = TpoProfile::create(2, 3);
    std::array<double, 2> out;
    for (const Candle& c : ab) volume->update_candle(c, out), tpo->update_candle(c, out);
    EXPECT_EQ(Vec(volume->histogram().begin(), volume->histogram().end()), (Vec{100.0 / 3, 100.0 / 3 + 25, 100.0 / 3 + 25}));
    EXPECT_EQ(Vec(tpo->histogram().begin(), tpo->histogram().end()), (Vec{1.0 / 3, 1.0 / 3 + 0.5, 1.0 / 3 + 0.5}));
    for (const Candle& c : flat) volume->update_candle(c, out), tpo->update_candle(c, out);
    EXPECT_EQ(volume->histogram()[0] * 10 + tpo->histogram()[0], 72.0);
    EXPECT_EQ(run_lines("VolumeWeightedSr", {2}, {hlv(12, 10, 100), hlv(14, 11, 300)})[1], (Vec{10.75, 13.5}));
    // A full share stops at the last bin holding volume: [0, 0.1, 0.2, 0.3, 0] over 10 .. 15.
    const Candles share = {hlv(15, 10, 0), hlv(11, 11, 0.1), hlv(12, 12, 0.2), hlv(13, 13, 0.3), hlv(15, 10, 0)};
    EXPECT_EQ(run_lines("ValueArea", {5, 5, 1.0}, share)[4], (Vec{13.5, 14, 11}));
    EXPECT_EQ(run_lines("CompositeProfile", {5, 5, 1.0}, share)[4], (Vec{13.5, 13.5, 11.5}));
    // A width that rounds to 0: bin indices saturate, then clamp.
    EXPECT_EQ(run_lines("HighLowVolumeNodes", {1, 4}, {hlv(5e-324, 0, 1)})[0], (Vec{0, 0}));
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
    Candles bars = test::varied_candles(120, 3, false), heavy = bars;
    heavy[58].volume = 1.7e308;
    for (const char* type : {"ValueArea", "CompositeProfile", "HighLowVolumeNodes"}) {
        test::expect_candles_refused(type, {10, 12, 0.7}, bars, 60, {hlv(1.7e308, -1.7e308, 1)});
        test::expect_candles_refused(type, {10, 12, 0.7}, heavy, 60, {hlv(101, 100, 1.7e308)});
    }
    test::expect_candles_refused("VolumeWeightedSr", {5}, bars, 60, {hlv(1e300, 1, 1e10)});
    // A close whose return has no finite log, then the close before it (its return from the
    // first has none either): the run goes on as without them.
    test::expect_candles_refused("VolatilityCone", {5, 5}, bars, 60, {test::flat(1e-323), test::flat(bars[59].close)});
    // The return after a refused one is taken from its close: ln 2 each time, no deviation.
    const std::vector<Lines> cone = run_lines("VolatilityCone", {2, 2}, {test::flat(1e-300), test::flat(1e10), test::flat(2e10),
                                                                          test::flat(4e10), test::flat(8e10)});
    EXPECT_TRUE(!cone[1] && cone[4] == (Vec{0, 0, 0, 0, 100}));
}

// Windows beyond every count: the warm-up saturates, the windows grow with the candles seen.
TEST(MarketProfilesTest, WindowsBeyondTheDataGrowWithIt) {
    const Candles bars = varied(500);
    for (const auto& [type, params] : {std::pair{"HighLowVolumeNodes", Vec{1e20, 5}}, {"VolatilityCone", Vec{1e20, 1e20}}}) {
        EXPECT_EQ((*build_indicator(type, params))->warmup_period(), std::uint64_t(-1)) << type;
        const std::vector<Lines> got = run_lines(type, params, bars);
        EXPECT_TRUE(std::none_of(got.begin(), got.end(), [](const Lines& l) { return l.has_value(); })) << type;
    }
}

}  // namespace
}  // namespace prynox
