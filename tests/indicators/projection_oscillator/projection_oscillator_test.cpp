// The projection oscillator, built from the registry and fed candles, against a plain
// recomputation of the projection band over the accepted candles; its worked cases; flat and
// straight windows; bands that leave the doubles.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/candle_tables.hpp"

namespace prynox {
namespace {

using namespace test;

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

// No value while the band's width (or a projection) is beyond the doubles.
Series ref_projection_oscillator(const Candles& cs, const Vec& pv) {
    const std::size_t p = at(pv, 0);
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
        if (!std::isfinite(range)) continue;
        out[t] = range == 0.0 ? 50.0 : ((cs[t].close - lower) * 100.0) / range;
    }
    return out;
}

TEST(ProjectionOscillatorTest, MatchesPlainRecomputation) {
    Candles huge = varied_candles(30, 4, false), more = varied_candles(30, 6, false);
    huge.push_back(bar(0.0, 1.7e308, -1.7e308, 0.0));
    huge.insert(huge.end(), more.begin(), more.end());
    const CandleFormula formula = {"ProjectionOscillator", {{2}, {3}, {5}, {14}, {40}}, ref_projection_oscillator};
    expect_candle_formulas({varied_candles(700, 5, true), grid_candles(400, 9), huge}, {&formula, 1});
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

TEST(ProjectionOscillatorTest, PinnedCases) {
    const CandlePin pins[] = {
        // Slopes 2 and 1 carry both highs to 12 and both lows to 9.
        {"p 2, highs 10, 12, lows 8, 9, close 10.5", "ProjectionOscillator", {2}, {bar(9, 10, 8, 9), bar(10.5, 12, 9, 10.5)}, {N, 50.0}},
        {"close above the band", "ProjectionOscillator", {2}, {bar(9, 10, 8, 9), bar(10.5, 12, 9, 12)}, {100.0}},
        {"flat candles at 0.1", "ProjectionOscillator", {5}, Candles(8, flat(0.1)), {N, 50.0, 50.0, 50.0, 50.0}},
        // Seven highs of 0.9 average to 0.9000000000000001 (lows of 0.1 to 0.09999999999999999):
        // the slopes are still exactly 0.
        {"flat highs and lows", "ProjectionOscillator", {7}, Candles(9, bar(0.2, 0.9, 0.1, 0.2)), Series(3, ((0.2 - 0.1) * 100.0) / (0.9 - 0.1))},
        // A rising line projects every point onto the newest one.
        {"rising line, close at a quarter", "ProjectionOscillator", {4}, line(1.0, 0.5, 2.0, 6, 0.25), {25.0, 25.0, 25.0}},
    };
    expect_candle_pins(pins);
}

}  // namespace
}  // namespace prynox
