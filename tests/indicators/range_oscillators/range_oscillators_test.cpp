// The range and volatility oscillators, built from the registry, against plain recomputations
// over the accepted candles (window sums and extremes taken afresh); the worked edge cases; the
// candles whose ranges leave the doubles; the sum window far beyond the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
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

Series heikin_ashi(const Candles& c, std::size_t n) {
    Vec body;
    double open = 0.0, close = 0.0;
    for (std::size_t t = 0; t < c.size(); ++t) {
        open = t == 0 ? (c[0].open + c[0].close) * 0.5 : (open + close) * 0.5;
        close = (((c[t].open + c[t].high) + c[t].low) + c[t].close) * 0.25;
        body.push_back(close - open);
    }
    return ref_ema(body, n);
}

Series pgo(const Candles& c, std::size_t n) {
    Vec closes;
    for (const Candle& x : c) closes.push_back(x.close);
    const Series sma = ref_sma(closes, n), e = ref_ema(true_ranges(c), n);
    Series out(c.size());
    std::optional<double> last;
    for (std::size_t t = 0; t < c.size(); ++t)
        if (sma[t] && e[t]) {
            if (*e[t] > 0.0) last = (c[t].close - *sma[t]) / *e[t];
            out[t] = last;
        }
    return out;
}

Series mass_index(const Candles& c, std::size_t n, std::size_t s) {
    const Series e1 = ref_ema(ranges(c), n), e2 = ema_of(e1, n);
    Vec ratio;
    Series out(c.size());
    for (std::size_t t = 0; t < c.size(); ++t) {
        if (!e2[t]) continue;
        ratio.push_back(*e2[t] == 0.0 ? 1.0 : *e1[t] / *e2[t]);
        if (ratio.size() < s) continue;
        double sum = 0.0;
        for (std::size_t i = ratio.size() - s; i < ratio.size(); ++i) sum += ratio[i];
        out[t] = sum;
    }
    return out;
}

Series chaikin_volatility(const Candles& c, std::size_t n, std::size_t lag) {
    const Series e = ref_ema(ranges(c), n);
    Series out(c.size());
    for (std::size_t t = lag; t < c.size(); ++t)
        if (e[t - lag]) {
            const double o = *e[t - lag];
            out[t] = o == 0.0 ? 0.0 : (*e[t] - o) / o * 100.0;
        }
    return out;
}

// Highest high and lowest low of the p candles up to t.
std::pair<double, double> extremes(const Candles& c, std::size_t t, std::size_t p) {
    double hh = c[t].high, ll = c[t].low;
    for (std::size_t i = t + 1 - p; i < t; ++i) hh = std::max(hh, c[i].high), ll = std::min(ll, c[i].low);
    return {hh, ll};
}

Series choppiness(const Candles& c, std::size_t p) {
    const Vec tr = true_ranges(c);
    Series out(c.size());
    for (std::size_t t = p - 1; t < c.size(); ++t) {
        double sum = 0.0;
        for (std::size_t i = t + 1 - p; i <= t; ++i) sum += tr[i];
        const auto [hh, ll] = extremes(c, t, p);
        out[t] = hh == ll ? 100.0 : (std::log10(sum / (hh - ll)) * 100.0) / std::log10(static_cast<double>(p));
    }
    return out;
}

Series mid_price(const Candles& c, std::size_t p) {
    Series out(c.size());
    for (std::size_t t = p - 1; t < c.size(); ++t) {
        const auto [hh, ll] = extremes(c, t, p);
        out[t] = (hh + ll) * 0.5;
    }
    return out;
}

Series reference(const std::string& type, const Vec& p, const Candles& c) {
    const auto n = [&p](std::size_t i) { return static_cast<std::size_t>(p[i]); };
    if (type == "HeikinAshiOscillator") return heikin_ashi(c, n(0));
    if (type == "Pgo") return pgo(c, n(0));
    if (type == "MassIndex") return mass_index(c, n(0), n(1));
    if (type == "ChaikinVolatility") return chaikin_volatility(c, n(0), n(1));
    if (type == "ChoppinessIndex") return choppiness(c, n(0));
    return mid_price(c, n(0));
}

// Exact except the sums never taken afresh (MassIndex) and the logarithm (ChoppinessIndex).
TEST(RangeOscillatorsTest, EveryTypeAgainstItsDefinition) {
    const std::vector<Candles> data = {varied_candles(420, 5, true), varied_candles(330, 11, false),
                                       grid_candles(240, 3)};
    const std::vector<std::tuple<std::string, std::vector<Vec>, double>> table = {
        {"HeikinAshiOscillator", {{1}, {2}, {10}, {40}}, 0.0},
        {"Pgo", {{1}, {2}, {14}, {40}}, 0.0},
        {"MassIndex", {{1, 1}, {2, 3}, {9, 25}, {4, 60}}, 1e-12},
        {"ChaikinVolatility", {{1, 1}, {2, 5}, {10, 10}, {30, 3}}, 0.0},
        {"ChoppinessIndex", {{2}, {3}, {14}, {60}}, 1e-12},
        {"MidPrice", {{1}, {2}, {14}, {60}}, 0.0},
    };
    for (const Candles& bars : data)
        for (const auto& [type, params, tol] : table)
            for (const Vec& p : params)
                expect_series(run_candles(type, p, bars), on_accepted(bars, reference(type, p, accepted_candles(bars))), tol,
                              describe(type, p));
}

TEST(RangeOscillatorsTest, PinnedCases) {
    Candles stairs;  // integers: the true ranges add up to the window range exactly
    for (int i = 0; i < 12; ++i) stairs.push_back(bar(i, i + 1, i, i + 1));
    const CandlePin pins[] = {
        {"no range: the guard's 100", "ChoppinessIndex", {2}, Candles(3, flat(4)), {N, 100.0, 100.0}},
        {"a staircase", "ChoppinessIndex", {4}, stairs, Series(9, 0.0)},
        {"no range", "ChaikinVolatility", {2, 2}, Candles(5, flat(3)), {N, N, N, 0.0, 0.0}},
    };
    expect_candle_pins(pins);
    // Identical candles with a range: 100 up to rounding; a constant range: every ratio 1.
    EXPECT_NEAR(*run_candles("ChoppinessIndex", {5}, Candles(8, bar(10, 12, 9, 11))).back(), 100.0, 1e-12);
    EXPECT_NEAR(*run_candles("MassIndex", {3, 5}, Candles(14, bar(10, 11.3, 10, 11))).back(), 5.0, 1e-14);
}

// Candles whose prices make a derived value leave the doubles.
TEST(RangeOscillatorsTest, CandlesWithRangesBeyondTheDoublesAreRefused) {
    const Candles bars = varied_candles(160, 17, false);
    const Candle wide = bar(0, 1.7e308, -1.7e308, 0);
    for (const char* type : {"Pgo", "MassIndex", "ChaikinVolatility", "ChoppinessIndex"})
        for (std::size_t at : {0u, 1u, 2u, 5u, 40u, 159u}) expect_candles_refused(type, {3, 2}, bars, at, {wide});
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

// The sum window grows with the data: a window beyond it builds, reports its saturated warm-up and
// gives nothing.
TEST(RangeOscillatorsTest, SumWindowGrowsWithTheData) {
    const Candles bars = varied_candles(600, 23, false);
    for (const auto& [params, warmup] : std::vector<std::pair<Vec, std::uint64_t>>{
             {{3, 1e300}, std::numeric_limits<std::uint64_t>::max()}, {{16777216, 16777217}, 16777217 + 33554430}}) {
        std::uint64_t got_warmup = 0;
        EXPECT_EQ(first_value_bar(run_candles("MassIndex", params, bars, &got_warmup)), 0u);
        EXPECT_EQ(got_warmup, warmup);
    }
}

}  // namespace
}  // namespace prynox
