// The range and volatility oscillators, built from the registry, against plain recomputations
// over the accepted candles (window sums and extremes taken afresh); the worked edge cases; the
// candles whose ranges leave the doubles; the sum window far beyond the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "support/candle_tables.hpp"

namespace prynox {
namespace {

using namespace test;

// High - low of the first candle, then the true range against the previous close.
Vec true_ranges(const Candles& c) {
    Vec tr;
    for (std::size_t t = 0; t < c.size(); ++t)
        tr.push_back(t == 0 ? c[0].high - c[0].low
                            : std::max({c[t].high - c[t].low, std::fabs(c[t].high - c[t - 1].close),
                                        std::fabs(c[t].low - c[t - 1].close)}));
    return tr;
}

Vec ranges(const Candles& c) {
    Vec r;
    for (const Candle& x : c) r.push_back(x.high - x.low);
    return r;
}

Series ref_heikin_ashi(const Candles& c, const Vec& p) {
    Vec body;
    double open = 0.0, close = 0.0;
    for (std::size_t t = 0; t < c.size(); ++t) {
        open = t == 0 ? (c[0].open + c[0].close) * 0.5 : (open + close) * 0.5;
        close = (((c[t].open + c[t].high) + c[t].low) + c[t].close) * 0.25;
        body.push_back(close - open);
    }
    return ref_ema(body, at(p, 0));
}

// A true range average of 0 repeats the last value.
Series ref_pgo(const Candles& c, const Vec& p) {
    Vec closes;
    for (const Candle& x : c) closes.push_back(x.close);
    const Series sma = ref_sma(closes, at(p, 0)), e = ref_ema(true_ranges(c), at(p, 0));
    Series out(c.size());
    std::optional<double> last;
    for (std::size_t t = 0; t < c.size(); ++t)
        if (sma[t] && e[t]) out[t] = last = *e[t] > 0.0 ? (c[t].close - *sma[t]) / *e[t] : last;
    return out;
}

Series ref_mass_index(const Candles& c, const Vec& p) {
    const Series e1 = ref_ema(ranges(c), at(p, 0)), e2 = ema_of(e1, at(p, 0));
    Series ratio;
    for (std::size_t t = 0; t < c.size(); ++t) ratio.push_back(e2[t] ? std::optional(*e2[t] == 0.0 ? 1.0 : *e1[t] / *e2[t]) : N);
    return through(ratio, [&p](const Vec& r) { return windows(r, at(p, 1), [](std::span<const double> w) { return std::accumulate(w.begin(), w.end(), 0.0); }); });
}

Series ref_chaikin_volatility(const Candles& c, const Vec& p) {
    const Series e = ref_ema(ranges(c), at(p, 0));
    Series out(c.size());
    for (std::size_t t = at(p, 1); t < c.size(); ++t)
        if (const auto o = e[t - at(p, 1)]) out[t] = *o == 0.0 ? 0.0 : (*e[t] - *o) / *o * 100.0;
    return out;
}

Series ref_choppiness(const Candles& c, const Vec& p) {
    const Vec tr = true_ranges(c);
    Series out(c.size());
    for (std::size_t t = at(p, 0) - 1; t < c.size(); ++t) {
        const auto [hh, ll] = extremes(c, t, at(p, 0));
        out[t] = hh == ll ? 100.0 : (std::log10(window_sum(tr, t, at(p, 0)) / (hh - ll)) * 100.0) / std::log10(p[0]);
    }
    return out;
}

Series ref_mid_price(const Candles& c, const Vec& p) {
    Series out(c.size());
    for (std::size_t t = at(p, 0) - 1; t < c.size(); ++t) {
        const auto [hh, ll] = extremes(c, t, at(p, 0));
        out[t] = (hh + ll) * 0.5;
    }
    return out;
}

// Exact except the sums never taken afresh (MassIndex) and the logarithm (ChoppinessIndex).
TEST(RangeOscillatorsTest, EveryTypeAgainstItsDefinition) {
    const CandleFormula formulas[] = {
        {"HeikinAshiOscillator", {{1}, {2}, {10}, {40}}, ref_heikin_ashi},
        {"Pgo", {{1}, {2}, {14}, {40}}, ref_pgo},
        {"MassIndex", {{1, 1}, {2, 3}, {9, 25}, {4, 60}}, ref_mass_index, 1e-12},
        {"ChaikinVolatility", {{1, 1}, {2, 5}, {10, 10}, {30, 3}}, ref_chaikin_volatility},
        {"ChoppinessIndex", {{2}, {3}, {14}, {60}}, ref_choppiness, 1e-12},
        {"MidPrice", {{1}, {2}, {14}, {60}}, ref_mid_price},
    };
    expect_candle_formulas({varied_candles(420, 5, true), varied_candles(330, 11, false), grid_candles(240, 3)}, formulas);
}

TEST(RangeOscillatorsTest, PinnedCases) {
    Candles stairs;  // integers: the true ranges add up to the window range exactly
    for (int i = 0; i < 12; ++i) stairs.push_back(bar(i, i + 1, i, i + 1));
    const Candles after_wide = {bar(10, 12, 9, 11), bar(10, 12, 9, 11), bar(0, 1.7e308, -1.7e308, 0), bar(10, 14, 9, 13)};
    const CandlePin pins[] = {
        {"no range: the guard's 100", "ChoppinessIndex", {2}, Candles(3, flat(4)), {N, 100.0, 100.0}},
        {"a staircase", "ChoppinessIndex", {4}, stairs, Series(9, 0.0)},
        {"no range", "ChaikinVolatility", {2, 2}, Candles(5, flat(3)), {N, N, N, 0.0, 0.0}},
        // A range beyond the doubles is refused; the next true range reaches to its close of 0:
        // 14, not 5 from the close of 11 before it.
        {"after a refused range", "Pgo", {2}, after_wide, {N, (13.0 - 12.0) / *ref_ema({3.0, 3.0, 14.0}, 2).back()}},
    };
    expect_candle_pins(pins);
    // Identical candles with a range: 100 up to rounding; a constant range: every ratio 1.
    EXPECT_NEAR(*run_candles("ChoppinessIndex", {5}, Candles(8, bar(10, 12, 9, 11))).back(), 100.0, 1e-12);
    EXPECT_NEAR(*run_candles("MassIndex", {3, 5}, Candles(14, bar(10, 11.3, 10, 11))).back(), 5.0, 1e-14);
    // The true ranges 3 and 14 over the range 14 - 9 of the two candles taken.
    const double choppy = (std::log10(17.0 / 5.0) * 100.0) / std::log10(2.0);
    EXPECT_NEAR(*run_candles("ChoppinessIndex", {2}, after_wide).back(), choppy, 1e-12 * choppy);
}

// Candles whose prices make a derived value leave the doubles.
TEST(RangeOscillatorsTest, CandlesWithRangesBeyondTheDoublesAreRefused) {
    const Candles bars = varied_candles(160, 17, false);
    // With the close of the candle before (or, first, one within the next candle's range) the
    // true range after it is the one it would have been.
    for (const char* type : {"Pgo", "MassIndex", "ChaikinVolatility", "ChoppinessIndex"})
        for (std::size_t at : {0u, 1u, 2u, 5u, 40u, 159u}) {
            const double close = bars[at ? at - 1 : 0].close;
            expect_candles_refused(type, {3, 2}, bars, at, {bar(close, 1.7e308, -1.7e308, close)});
        }
    // A Heikin-Ashi close that overflows would make every later Heikin-Ashi open infinite.
    const Candle heavy = bar(1e308, 1.5e308, 1e308, 1.2e308);
    for (std::size_t at : {0u, 1u, 7u, 159u}) expect_candles_refused("HeikinAshiOscillator", {3}, bars, at, {heavy});
    // A huge range that leaves the window takes the sum of the true ranges below the window's range:
    // no logarithm of a sum that is not positive.
    Candles drift = {bar(0, 1e300, 0, 0)};
    drift.insert(drift.end(), 5, bar(0, 1, 0, 0));
    drift.insert(drift.end(), 4, bar(0, 0.5, 0, 0));
    const Series got = run_candles("ChoppinessIndex", {3}, drift);
    EXPECT_EQ(got[7], N);  // a sum of 0
    EXPECT_EQ(got[8], N);  // a negative sum
    // A smoothed range grown from a subnormal one: no percentage change beyond the doubles.
    expect_series(run_candles("ChaikinVolatility", {1, 1}, {bar(0, 5e-324, 0, 0), bar(0, 1, 0, 0), flat(0)}),
                        {N, N, -100.0});
}

TEST(RangeOscillatorsTest, SumWindowGrowsWithTheData) {
    expect_unbounded("MassIndex", {3, 1e300}, std::numeric_limits<std::uint64_t>::max());
    expect_unbounded("MassIndex", {16777216, 16777217}, 16777217 + 33554430);
}

}  // namespace
}  // namespace prynox
