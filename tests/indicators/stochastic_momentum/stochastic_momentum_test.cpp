// The stochastic momentum, ultimate, vigor and inertia oscillators against plain recomputations
// over the accepted candles (window sums taken afresh); pinned edge cases and windows left with a
// residue where their terms are all zero; candles whose sums would stop being finite; windows far
// beyond the data.
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

Series ref_smi(const Candles& c, const Vec& p) {
    Series rel(c.size()), range(c.size()), out(c.size());
    for (std::size_t t = at(p, 0) - 1; t < c.size(); ++t) {
        const auto [hh, ll] = extremes(c, t, at(p, 0));
        rel[t] = c[t].close - (hh + ll) * 0.5, range[t] = hh - ll;
    }
    const Series b = ema_of(ema_of(rel, at(p, 1)), at(p, 2)), d = ema_of(ema_of(range, at(p, 1)), at(p, 2));
    std::optional<double> last;
    for (std::size_t t = 0; t < c.size(); ++t)
        if (b[t] && d[t]) out[t] = last = *d[t] > 0.0 ? (*b[t] * 100.0) / (*d[t] * 0.5) : last;
    return out;
}

Series ref_ultimate(const Candles& c, const Vec& p) {
    Vec bp, tr;
    for (std::size_t t = 1; t < c.size(); ++t) {
        const double tl = std::min(c[t].low, c[t - 1].close);
        bp.push_back(c[t].close - tl), tr.push_back(std::max(c[t].high, c[t - 1].close) - tl);
    }
    Series out(c.size());
    for (std::size_t t = std::max({at(p, 0), at(p, 1), at(p, 2)}); t < c.size(); ++t) {
        double r[3];
        for (std::size_t j = 0; j < 3; ++j) {
            const double st = window_sum(tr, t - 1, at(p, j));
            r[j] = st == 0.0 ? 0.5 : window_sum(bp, t - 1, at(p, j)) / st;
        }
        out[t] = ((4.0 * r[0] + 2.0 * r[1]) + r[2]) * 100.0 / 7.0;
    }
    return out;
}

Series ref_rvi(const Candles& c, const Vec& p) {
    const auto smooth = [&c](std::size_t t, double (*f)(const Candle&)) {
        return (f(c[t - 3]) + (2.0 * f(c[t - 2]) + (2.0 * f(c[t - 1]) + f(c[t])))) / 6.0;
    };
    Vec body(c.size()), range(c.size());
    Series out(c.size());
    std::optional<double> last;
    for (std::size_t t = 3; t < c.size(); ++t) {
        body[t] = smooth(t, [](const Candle& x) { return x.close - x.open; });
        range[t] = smooth(t, [](const Candle& x) { return x.high - x.low; });
        if (t < at(p, 0) + 2) continue;
        if (const double sr = window_sum(range, t, at(p, 0)); sr > 0.0) last = window_sum(body, t, at(p, 0)) / sr;
        out[t] = last;
    }
    return out;
}

// The relative volatility index of the closes, then the regression line through its values.
Series ref_inertia(const Candles& c, const Vec& p) {
    Vec closes;
    for (const Candle& x : c) closes.push_back(x.close);
    return through(run_built("RviVolatility", {p[0]}, closes), [&p](const Vec& v) { return run_built("LinearRegression", {p[1]}, v); });
}

// Exact on the grid candles (quarters sum exactly), within rounding on the others.
TEST(StochasticMomentumTest, EveryTypeAgainstItsDefinition) {
    const Candles grid = grid_candles(240, 3);
    for (const bool exact : {false, true}) {
        const CandleFormula formulas[] = {
            {"Smi", {{1, 1, 1}, {10, 3, 3}, {5, 8, 2}, {30, 1, 4}}, ref_smi},
            {"UltimateOscillator", {{1, 1, 1}, {7, 14, 28}, {28, 14, 7}, {3, 1, 40}}, ref_ultimate, exact ? 0.0 : 1e-12},
            {"Rvi", {{1}, {2}, {10}, {60}}, ref_rvi, 1e-12},
            {"Inertia", {{2, 2}, {14, 20}, {5, 3}}, ref_inertia},
        };
        expect_candle_formulas(exact ? std::vector<Candles>{grid} : std::vector<Candles>{varied_candles(420, 5, true), varied_candles(330, 11, false)},
                               formulas);
    }
}

TEST(StochasticMomentumTest, PinnedCases) {
    const Candle wide = bar(0, 1.7e308, -1.7e308, 1.7e308);
    const Candles bodies = joined({{flat(0), flat(0), bar(0, 1, 0, 0.1), bar(0, 1, 0, 0.1)}, Candles(6, bar(0, 1, 0, 0))});
    const CandlePin pins[] = {
        // Windows of 1: a gap up from the previous close widens the true range; no range gives 50.
        {"windows of 1", "UltimateOscillator", {1, 1, 1}, {flat(10), bar(12, 13, 12, 12.5), flat(12.5), bar(12.5, 14, 12, 12.5)},
         {N, ((4.0 * (2.5 / 3.0) + 2.0 * (2.5 / 3.0)) + 2.5 / 3.0) * 100.0 / 7.0, 50.0, 25.0}},
        {"close = open throughout", "Rvi", {3}, Candles(9, bar(10, 11, 9, 10)), {N, 0.0, 0.0, 0.0, 0.0}},
        {"k 1: a candle without range repeats", "Smi", {1, 1, 1}, {bar(9, 12, 8, 9), flat(5), bar(6, 6, 2, 5)},
         {-50.0, -50.0, 50.0}},
        // True ranges 0.1, 0.2, 0, 0: both sums keep 2.8e-17, which would give 100.
        {"all-zero window after variation", "UltimateOscillator", {2, 2, 2},
         {flat(0), bar(0, 0.1, 0, 0.1), bar(0, 0.2, 0, 0.2), flat(0.2), flat(0.2)}, {N, N, 100.0, 100.0, 50.0}},
        // Smoothed bodies then zeros: the body sum keeps -1e-17, which would give -5e-18.
        {"all-zero bodies after variation", "Rvi", {2}, bodies, {0.0, 0.0}},
        {"a numerator beyond the doubles keeps the last value", "Smi", {1, 1, 1},
         {bar(0, 2, 0, 2), bar(0, 1e307, -1e307, 1e307), flat(3)}, {100.0, N, 100.0}},
        {"a stage input beyond the doubles is skipped", "Smi", {2, 1, 1},
         {flat(1), wide, bar(2, 3, 1, 2), bar(2, 3, 1, 3)}, {N, N, N, 100.0}},
        // A true range beyond the doubles is refused; the next reaches to its close of 0: a true
        // low of 0, so a buying pressure of 11 in 12 (not 2 in 3 from the close of 11).
        {"the bar after a refused range", "UltimateOscillator", {1, 1, 1},
         {bar(10, 12, 9, 11), bar(10, 12, 9, 11), bar(0, 1.7e308, -1.7e308, 0), bar(10, 12, 9, 11)},
         {N, ((4.0 * (11.0 / 12.0) + 2.0 * (11.0 / 12.0)) + 11.0 / 12.0) * 100.0 / 7.0}},
    };
    expect_candle_pins(pins);
    // Constant candles 12 / 8: 0 at the middle, +-100 up to rounding at either end.
    for (const auto& [close, want] : {std::pair{10.0, 0.0}, {12.0, 100.0}, {8.0, -100.0}})
        EXPECT_NEAR(*run_candles("Smi", {3, 2, 2}, Candles(8, bar(close, 12, 8, close))).back(), want, 1e-12) << close;
    // Smoothed ranges then all zero: the range sum keeps +6.9e-18 and the body sum -1e-17, which
    // would give -1.5; the last value is repeated instead.
    const Series held = run_candles("Rvi", {2}, joined({{flat(0), flat(0), bar(0, 0.1, 0, 0.1), bar(0, 0.2, 0, 0.1)},
                                                        Candles(6, flat(0))}));
    ASSERT_TRUE(held[7].has_value());
    EXPECT_NEAR(*held[7], 0.5, 1e-15);
    expect_series(Series(held.begin() + 7, held.end()), {held[7], held[7], held[7]});
    // The RVI volatility compares 6 with the refused 1e300 (a down close, not an up one from 5):
    // its values 100 and 50 / 0.75, and a line through two points ending at the second.
    const Series inertia = run_candles("Inertia", {2, 2}, {flat(1), flat(3), flat(5), flat(1e300), flat(6)});
    EXPECT_FALSE(inertia[3]);
    EXPECT_NEAR(inertia[4].value_or(0), (100.0 * 0.5) / 0.75, 1e-12);
}

// Candles whose range or sums leave the doubles are refused: nothing changes, the run goes on as
// without them.
TEST(StochasticMomentumTest, CandlesThatWouldPoisonTheSumsAreRefused) {
    const Candles bars = varied_candles(160, 17, false);
    for (std::size_t at : {1u, 2u, 5u, 40u, 159u}) {
        // With the close of the candle before, the next true range is the one it would have been.
        const double close = bars[at - 1].close;
        expect_candles_refused("UltimateOscillator", {3, 2, 5}, bars, at, {bar(close, 1.7e308, -1.7e308, close)});
        expect_candles_refused("Rvi", {4}, bars, at, {bar(0, 1.7e308, -1.7e308, 1.7e308)});
    }
    // Each range fits, two in one sum do not.
    const Candle big = bar(0, 1.5e308, 0, 0);
    expect_candles_refused("UltimateOscillator", {2, 1, 1}, {flat(0), big, flat(0), flat(1), flat(2)}, 2, {big});
    // Each body fits, their smoothing does not: no value and nothing summed while the smoothing
    // overflows, and the four-candle window moves on past the tall candles.
    const Candles after = {bar(1, 2, 1, 2), bar(2, 3, 2, 2), bar(2, 4, 1, 3), bar(3, 4, 2, 3), bar(3, 5, 3, 4)};
    const Series got = run_candles("Rvi", {1}, joined({Candles(4, bar(0, 1e308, 0, 1e308)), after}));
    const Series plain = run_candles("Rvi", {1}, after);
    expect_series(Series(got.begin(), got.begin() + 6), {N, N, N, N, N, N});
    for (const auto& v : got) EXPECT_TRUE(!v || std::isfinite(*v));
    expect_series(Series(got.end() - 2, got.end()), Series(plain.end() - 2, plain.end()));
}

TEST(StochasticMomentumTest, UnboundedWindowsGrowWithTheData) {
    constexpr std::uint64_t kAll = std::numeric_limits<std::uint64_t>::max();
    expect_unbounded("Smi", {1e300, 3, 3}, kAll);
    expect_unbounded("Smi", {16777217, 16777216, 16777216}, 16777217 + 2 * 16777216 - 2);
    expect_unbounded("UltimateOscillator", {1, 1e300, 2}, kAll);
    expect_unbounded("UltimateOscillator", {20000000, 3, 3}, 20000001);
}

}  // namespace
}  // namespace prynox
