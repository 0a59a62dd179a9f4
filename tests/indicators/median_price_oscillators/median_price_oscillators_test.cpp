// The median-price and candle-body oscillators, built from the registry and fed candles, against
// plain recomputations over the accepted candles; their worked cases; empty and equal bodies;
// candles whose body or sums leave the doubles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/candle_tables.hpp"

namespace prynox {
namespace {

using namespace test;

Vec medians(const Candles& cs) {
    Vec out;
    for (const Candle& c : cs)
        out.push_back(std::fabs(c.high) <= 8.988465674311579e307 && std::fabs(c.low) <= 8.988465674311579e307
                          ? (c.high + c.low) * 0.5
                          : c.high * 0.5 + c.low * 0.5);
    return out;
}

Vec bodies(const Candles& cs) {
    Vec out;
    for (const Candle& c : cs) out.push_back(c.close - c.open);
    return out;
}

// The simple average; n equal values average to the value itself.
Series flat_exact_sma(const Vec& x, std::size_t n) {
    Series out = ref_sma(x, n);
    for (std::size_t t = n - 1; t < x.size(); ++t)
        if (flat_window(x, t, n)) out[t] = x[t];
    return out;
}

// No value where it is not finite (the sums beyond the doubles): nothing to feed further.
Series finite_only(Series s) {
    for (auto& v : s)
        if (v && !std::isfinite(*v)) v.reset();
    return s;
}

Series ref_ao(const Candles& cs, const Vec& p) {
    const Vec m = medians(cs);
    return finite_only(zip(flat_exact_sma(m, at(p, 0)), flat_exact_sma(m, at(p, 1)), [](double f, double s) { return f - s; }));
}

Series ref_ac(const Candles& cs, const Vec& p) {
    const Series ao = ref_ao(cs, p);
    return finite_only(zip(ao, through(ao, [&p](const Vec& v) { return flat_exact_sma(v, at(p, 2)); }), [](double a, double s) { return a - s; }));
}

Series ref_aoh(const Candles& cs, const Vec& p) {
    return through(ref_ao(cs, p), [k = at(p, 2)](const Vec& v) {
        Series out(v.size());
        for (std::size_t t = k; t < v.size(); ++t) out[t] = v[t] - v[t - k];
        return out;
    });
}

// Bodies beyond the doubles are refused.
Series ref_qstick(const Candles& cs, const Vec& p) {
    Series b;
    for (double d : bodies(cs)) b.push_back(std::isfinite(d) ? std::optional(d) : std::nullopt);
    return finite_only(through(b, [&p](const Vec& v) { return flat_exact_sma(v, at(p, 0)); }));
}

// Window sums summed afresh: no bodies 50, rises only 100, falls only 0.
Series ref_imi(const Candles& cs, const Vec& p) {
    return windows(bodies(cs), at(p, 0), [](std::span<const double> w) {
        double up = 0.0, down = 0.0;
        for (double d : w) up += d > 0.0 ? d : 0.0, down += d < 0.0 ? -d : 0.0;
        return up + down == 0.0 ? 50.0 : down == 0.0 ? 100.0 : (up * 100.0) / (up + down);
    });
}

const CandleFormula kFormulas[] = {
    {"AwesomeOscillator", {{1, 2}, {5, 34}, {3, 10}}, ref_ao},
    {"AcceleratorOscillator", {{1, 2, 1}, {5, 34, 5}, {2, 7, 12}}, ref_ac},
    {"AwesomeOscillatorHistogram", {{1, 2, 1}, {5, 34, 5}, {2, 3, 40}}, ref_aoh},
    {"Qstick", {{1}, {2}, {7}, {14}}, ref_qstick},
    // The running sums are never re-summed: they drift from the window's own sums.
    {"IntradayMomentumIndex", {{1}, {2}, {7}, {14}}, ref_imi, 1e-9},
};

// Variation, then candles of equal bodies of 0.1 (seven average to 0.09999999999999999), doji and
// flat candles, then more variation.
Candles with_equal_bodies() {
    return joined({varied_candles(60, 13, false), Candles(30, bar(0.0, 0.15, -0.05, 0.1)), Candles(30, bar(2.0, 2.5, 1.5, 2.0)),
                   Candles(45, flat(0.1)), varied_candles(60, 17, false)});
}

TEST(MedianPriceOscillatorsTest, MatchPlainRecomputations) {
    expect_candle_formulas({varied_candles(700, 5, true), grid_candles(400, 9), with_equal_bodies()}, kFormulas);
}

TEST(MedianPriceOscillatorsTest, PinnedCases) {
    const Candle a = bar(10, 12, 9, 11);
    const double m1 = 10.5;
    const double huge = 1.7e308 * 0.5 + 1.6e308 * 0.5;  // halved before adding
    const CandlePin pins[] = {
        {"a median near the top of the doubles", "AwesomeOscillator", {1, 2}, {a, bar(1.65e308, 1.7e308, 1.6e308, 1.65e308)},
         {N, huge - (huge + m1) / 2}},
        // The means of 5 and of 34 medians of 0.1 differ by 4.2e-17 in their running sums.
        {"flat candles at 0.1", "AwesomeOscillator", {5, 34}, Candles(35, flat(0.1)), {N, 0.0, 0.0}},
        {"flat candles at 0.1", "AcceleratorOscillator", {5, 34, 5}, Candles(39, flat(0.1)), {N, 0.0, 0.0}},
        {"flat candles at 0.1", "AwesomeOscillatorHistogram", {5, 34, 2}, Candles(37, flat(0.1)), {N, 0.0, 0.0}},
        // Seven bodies of 0.1 sum to 0.7 and average to 0.09999999999999999.
        {"seven equal bodies", "Qstick", {7}, Candles(8, bar(0.0, 0.15, -0.05, 0.1)), {N, 0.1, 0.1}},
        // 6.515929727227629 * 100 / 6.515929727227629 is 99.99999999999999.
        {"one rise over itself", "IntradayMomentumIndex", {1}, {bar(0, 6.515929727227629, 0, 6.515929727227629)},
         {100.0}},
        // Gains 0.1 and 0.2 leave a residue of 2.8e-17 behind: the window of doji is still 50, and
        // a window of falls only is still 0, exactly.
        {"doji after rises", "IntradayMomentumIndex", {2},
         {bar(0, 0.1, 0, 0.1), bar(0, 0.2, 0, 0.2), flat(1), flat(2)}, {N, 100.0, 100.0, 50.0}},
        {"falls after rises", "IntradayMomentumIndex", {2},
         {bar(0, 0.1, 0, 0.1), bar(0, 0.2, 0, 0.2), bar(1, 1, 0.5, 0.5), bar(1, 1, 0.5, 0.5)}, {0.0}},
        // Gains 0.3 and 0.6 leave a residue of -1.1e-16 beside a rise of 1e-17: the share stays
        // in its range (it would be -1e-14).
        {"a rise smaller than the residue", "IntradayMomentumIndex", {2},
         {bar(0, 0.3, 0, 0.3), bar(0, 0.6, 0, 0.6), bar(1, 1, 0, 0), bar(0, 1e-17, 0, 1e-17)}, {0.0}},
        // The falls' residue beside rises of 1e-16 would give 87.8.
        {"tiny rises after falls", "IntradayMomentumIndex", {2},
         {bar(0.1, 0.1, 0, 0), bar(0.2, 0.2, 0, 0), bar(0, 1e-16, 0, 1e-16), bar(0, 1e-16, 0, 1e-16)}, {100.0}},
    };
    expect_candle_pins(pins);
}

// A body from the bottom of the doubles to the top is not finite, and bodies that carry the
// never re-summed sums beyond the doubles would stay there: each is refused, changing nothing.
TEST(MedianPriceOscillatorsTest, BodiesBeyondTheDoublesAreRefused) {
    const Candle endless = bar(-1.7e308, 1.7e308, -1.7e308, 1.7e308);
    // 70: amid the equal bodies, whose run must not be broken by the refused candle.
    for (const char* type : {"Qstick", "IntradayMomentumIndex"})
        for (std::size_t at : {0u, 30u, 70u}) expect_candles_refused(type, {5}, with_equal_bodies(), at, {endless});
    // Bodies of 1e308: one fits in the sums, a second does not.
    const Candle tall = bar(0, 1e308, 0, 1e308);
    Candles talls = varied_candles(80, 8, false);
    talls.insert(talls.begin() + 40, tall);
    expect_candles_refused("IntradayMomentumIndex", {5}, talls, 41, {tall});
}

// Medians (or bodies) at the top of the doubles carry the averages' running sums beyond them: no
// value until their periodic exact re-summation, never an infinity or NaN, and then the values
// of the plain sums again.
TEST(MedianPriceOscillatorsTest, SumsBeyondTheDoubles) {
    // Bodies of 1e308 last; the index refuses such candles (below).
    expect_candle_formulas({joined({varied_candles(40, 8, false), Candles(2, bar(-1.7e308, 1.7e308, -1.7e308, 1.7e308 * 0.999)),
                                    Candles(2, flat(1.7e308)), Candles(2, bar(0, 1e308, 0, 1e308)), varied_candles(700, 9, false)})},
                           std::span(kFormulas).first(4));
}

// A lag far beyond the data keeps the histogram's window as small as the data and its warm-up
// saturated.
TEST(MedianPriceOscillatorsTest, LagsBeyondTheData) {
    expect_unbounded("AwesomeOscillatorHistogram", {5, 34, 16777217}, 16777251);
    expect_unbounded("AwesomeOscillatorHistogram", {5, 34, 1e300}, std::numeric_limits<std::uint64_t>::max());
}

}  // namespace
}  // namespace prynox
