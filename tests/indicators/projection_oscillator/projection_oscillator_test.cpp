// The projection oscillator, built from the registry and fed candles, against a plain
// recomputation of the projection band over the accepted candles; its worked cases; flat and
// straight windows; bands that leave the doubles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::bar;
using test::Candles;
using test::flat;
using test::Series;
using Vec = std::vector<double>;
constexpr std::optional<double> N = std::nullopt;

// The least-squares slope of v against 0 .. n - 1, with the mean taken out first.
double slope(const Vec& v) {
    const double n = static_cast<double>(v.size());
    double sum = -0.0;
    for (double x : v) sum += x;
    const double m = sum / n;
    double s1 = -0.0, s2 = -0.0;
    for (std::size_t i = 0; i < v.size(); ++i) s1 += v[i] - m, s2 += static_cast<double>(i) * (v[i] - m);
    const double sx = (n * (n - 1.0)) / 2.0, sx2 = (((n - 1.0) * n) * (2.0 * n - 1.0)) / 6.0;
    return (s2 * n - s1 * sx) / (sx2 * n - sx * sx);
}

Series ref_projection_oscillator(const Candles& cs, std::size_t p) {
    Series out(cs.size());
    for (std::size_t t = p - 1; t < cs.size(); ++t) {
        Vec h, l;
        for (std::size_t i = t + 1 - p; i <= t; ++i) h.push_back(cs[i].high), l.push_back(cs[i].low);
        const double sh = slope(h), sl = slope(l);
        double upper = -INFINITY, lower = INFINITY;
        for (std::size_t i = 0; i < p; ++i) {
            const double w = static_cast<double>(p - 1 - i);
            upper = std::max(upper, sh * w + h[i]);
            lower = std::min(lower, sl * w + l[i]);
        }
        const double range = upper - lower;
        out[t] = range == 0.0 ? 50.0 : ((cs[t].close - lower) * 100.0) / range;
    }
    return out;
}

TEST(ProjectionOscillatorTest, MatchesPlainRecomputation) {
    const std::vector<Candles> sets = {test::varied_candles(700, 5, true), test::grid_candles(400, 9)};
    for (const Candles& bars : sets)
        for (std::size_t p : {2u, 3u, 14u, 40u}) {
            const Vec params = {static_cast<double>(p)};
            test::expect_series(test::run_candles("ProjectionOscillator", params, bars),
                                test::on_accepted(bars, ref_projection_oscillator(test::accepted_candles(bars), p)),
                                0.0, test::describe("ProjectionOscillator", params));
        }
}

// A straight line of candles (from t0, rising by d per candle, the low `gap` below the high).
Candles line(double t0, double d, double gap, std::size_t n, double close_at) {
    Candles out;
    for (std::size_t i = 0; i < n; ++i) {
        const double h = t0 + d * static_cast<double>(i);
        out.push_back(bar(h - gap, h, h - gap, h - gap + close_at * gap));
    }
    return out;
}

TEST(ProjectionOscillatorTest, WorkedCases) {
    struct Case {
        const char* what;
        std::size_t p;
        Candles bars;
        Series last;
    };
    const std::vector<Case> cases = {
        // Slopes 2 and 1 carry both highs to 12 and both lows to 9.
        {"p 2, highs 10, 12, lows 8, 9, close 10.5", 2, {bar(9, 10, 8, 9), bar(10.5, 12, 9, 10.5)}, {N, 50.0}},
        {"close above the band", 2, {bar(9, 10, 8, 9), bar(10.5, 12, 9, 12)}, {100.0}},
        {"flat candles at 0.1", 5, Candles(8, flat(0.1)), {N, 50.0, 50.0, 50.0, 50.0}},
        // Seven highs of 0.9 average to 0.9000000000000001 (lows of 0.1 to 0.09999999999999999):
        // the slopes are still exactly 0.
        {"flat highs and lows", 7, Candles(9, bar(0.2, 0.9, 0.1, 0.2)), Series(3, ((0.2 - 0.1) * 100.0) / (0.9 - 0.1))},
        // A rising line projects every point onto the newest one.
        {"rising line, close at a quarter", 4, line(1.0, 0.5, 2.0, 6, 0.25), {25.0, 25.0, 25.0}},
    };
    for (const Case& c : cases) {
        const Series got = test::run_candles("ProjectionOscillator", {static_cast<double>(c.p)}, c.bars);
        test::expect_series(Series(got.end() - static_cast<std::ptrdiff_t>(c.last.size()), got.end()), c.last, 0.0,
                            c.what);
    }
}

// Highs at the top of the doubles and lows at the bottom put the band's width (or a projection)
// beyond them: no value while such a candle is in the window, and values again after it leaves.
TEST(ProjectionOscillatorTest, BandsBeyondTheDoublesGiveNoValue) {
    Candles bars = test::varied_candles(30, 4, false);
    bars.push_back(bar(0.0, 1.7e308, -1.7e308, 0.0));
    const Candles more = test::varied_candles(30, 6, false);
    bars.insert(bars.end(), more.begin(), more.end());
    const Series got = test::run_candles("ProjectionOscillator", {5}, bars);
    for (std::size_t t = 30; t < 35; ++t) EXPECT_FALSE(got[t]) << "bar " << t;
    for (std::size_t t = 35; t < bars.size(); ++t) ASSERT_TRUE(got[t] && std::isfinite(*got[t])) << "bar " << t;
    const Series want = ref_projection_oscillator(bars, 5);
    test::expect_series(Series(got.begin() + 35, got.end()), Series(want.begin() + 35, want.end()), 0.0,
                        "after the huge candle");
}

}  // namespace
}  // namespace prynox
