// The stochastic momentum, ultimate, vigor and inertia oscillators, built from the registry,
// against plain recomputations over the accepted candles (window sums taken afresh); the worked
// edge cases; the windows left with a residue where their terms are all zero; the candles whose
// sums would stop being finite; windows far beyond the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/candle_tables.hpp"

namespace prynox {
namespace {

using namespace test;

Series smi(const Candles& c, std::size_t k, std::size_t n1, std::size_t n2) {
    const std::size_t m = c.size();
    Series rel(m), range(m), out(m);
    for (std::size_t t = k - 1; t < m; ++t) {
        double hh = c[t].high, ll = c[t].low;
        for (std::size_t i = t + 1 - k; i < t; ++i) hh = std::max(hh, c[i].high), ll = std::min(ll, c[i].low);
        rel[t] = c[t].close - (hh + ll) * 0.5;
        range[t] = hh - ll;
    }
    const Series b = ema_of(ema_of(rel, n1), n2), d = ema_of(ema_of(range, n1), n2);
    std::optional<double> last;
    for (std::size_t t = 0; t < m; ++t)
        if (b[t] && d[t]) {
            if (*d[t] > 0.0) last = (*b[t] * 100.0) / (*d[t] * 0.5);
            out[t] = last;
        }
    return out;
}

Series ultimate(const Candles& c, std::array<std::size_t, 3> w) {
    const std::size_t m = c.size(), longest = std::max({w[0], w[1], w[2]});
    Vec bp, tr;
    Series out(m);
    for (std::size_t t = 1; t < m; ++t) {
        const double tl = std::min(c[t].low, c[t - 1].close), th = std::max(c[t].high, c[t - 1].close);
        bp.push_back(c[t].close - tl);
        tr.push_back(th - tl);
        if (bp.size() < longest) continue;
        double r[3];
        for (int j = 0; j < 3; ++j) {
            double sb = 0.0, st = 0.0;
            for (std::size_t i = bp.size() - w[j]; i < bp.size(); ++i) sb += bp[i], st += tr[i];
            r[j] = st == 0.0 ? 0.5 : sb / st;
        }
        out[t] = ((4.0 * r[0] + 2.0 * r[1]) + r[2]) * 100.0 / 7.0;
    }
    return out;
}

Series rvi(const Candles& c, std::size_t p) {
    const auto smooth = [](double a, double b, double d, double e) { return (a + (2.0 * b + (2.0 * d + e))) / 6.0; };
    Vec body, range;
    Series out(c.size());
    std::optional<double> last;
    for (std::size_t t = 3; t < c.size(); ++t) {
        body.push_back(smooth(c[t - 3].close - c[t - 3].open, c[t - 2].close - c[t - 2].open,
                              c[t - 1].close - c[t - 1].open, c[t].close - c[t].open));
        range.push_back(smooth(c[t - 3].high - c[t - 3].low, c[t - 2].high - c[t - 2].low, c[t - 1].high - c[t - 1].low,
                               c[t].high - c[t].low));
        if (body.size() < p) continue;
        double sb = 0.0, sr = 0.0;
        for (std::size_t i = body.size() - p; i < body.size(); ++i) sb += body[i], sr += range[i];
        if (sr > 0.0) last = sb / sr;
        out[t] = last;
    }
    return out;
}

// The relative volatility index of the closes, then the regression line through its values.
Series inertia(const Candles& c, double n, double r) {
    Vec closes;
    for (const Candle& x : c) closes.push_back(x.close);
    return through(run_built("RviVolatility", {n}, closes),
                         [r](const Vec& v) { return run_built("LinearRegression", {r}, v); });
}

Series reference(const std::string& type, const Vec& p, const Candles& c) {
    const auto n = [&p](std::size_t i) { return static_cast<std::size_t>(p[i]); };
    if (type == "Smi") return smi(c, n(0), n(1), n(2));
    if (type == "UltimateOscillator") return ultimate(c, {n(0), n(1), n(2)});
    if (type == "Rvi") return rvi(c, n(0));
    return inertia(c, p[0], p[1]);
}

// Running sums against sums taken afresh: exact on the grid candles (quarters sum exactly), within
// rounding on the others.
TEST(StochasticMomentumTest, EveryTypeAgainstItsDefinition) {
    const std::vector<Candles> data = {varied_candles(420, 5, true), varied_candles(330, 11, false),
                                       grid_candles(240, 3)};
    const std::vector<std::pair<std::string, std::vector<Vec>>> table = {
        {"Smi", {{1, 1, 1}, {10, 3, 3}, {5, 8, 2}, {30, 1, 4}}},
        {"UltimateOscillator", {{1, 1, 1}, {7, 14, 28}, {28, 14, 7}, {3, 1, 40}}},
        {"Rvi", {{1}, {2}, {10}, {60}}},
        {"Inertia", {{2, 2}, {14, 20}, {5, 3}}},  // 2, 2: first value on candle 4
    };
    for (const Candles& bars : data)
        for (const auto& [type, params] : table)
            for (const Vec& p : params) {
                const double tol = type == "Rvi" || (type == "UltimateOscillator" && &bars != &data[2]) ? 1e-12 : 0.0;
                expect_series(run_candles(type, p, bars), on_accepted(bars, reference(type, p, accepted_candles(bars))), tol,
                              describe(type, p));
            }
}

TEST(StochasticMomentumTest, PinnedCases) {
    Candles bodies = {flat(0), flat(0), bar(0, 1, 0, 0.1), bar(0, 1, 0, 0.1)};
    bodies.insert(bodies.end(), 6, bar(0, 1, 0, 0));
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
    };
    expect_candle_pins(pins);
    // Constant candles 12 / 8: 0 at the middle, +-100 up to rounding at either end.
    for (const auto& [close, want] : {std::pair{10.0, 0.0}, {12.0, 100.0}, {8.0, -100.0}})
        EXPECT_NEAR(*run_candles("Smi", {3, 2, 2}, Candles(8, bar(close, 12, 8, close))).back(), want, 1e-12) << close;
    // Smoothed ranges then all zero: the range sum keeps +6.9e-18 and the body sum -1e-17, which
    // would give -1.5; the last value is repeated instead.
    const Series held = run_candles("Rvi", {2}, {flat(0), flat(0), bar(0, 0.1, 0, 0.1), bar(0, 0.2, 0, 0.1), flat(0),
                                                 flat(0), flat(0), flat(0), flat(0), flat(0)});
    ASSERT_TRUE(held[7].has_value());
    EXPECT_NEAR(*held[7], 0.5, 1e-15);
    expect_series(Series(held.begin() + 7, held.end()), {held[7], held[7], held[7]});
}

// Candles whose range or sums leave the doubles are refused: nothing changes, the run goes on as
// without them.
TEST(StochasticMomentumTest, CandlesThatWouldPoisonTheSumsAreRefused) {
    const Candles bars = varied_candles(160, 17, false);
    const Candle wide = bar(0, 1.7e308, -1.7e308, 1.7e308);
    for (std::size_t at : {1u, 2u, 5u, 40u, 159u}) {
        expect_candles_refused("UltimateOscillator", {3, 2, 5}, bars, at, {wide});
        expect_candles_refused("Rvi", {4}, bars, at, {wide});
    }
    // Each range fits, two in one sum do not.
    const Candle big = bar(0, 1.5e308, 0, 0);
    expect_candles_refused("UltimateOscillator", {2, 1, 1}, {flat(0), big, flat(0), flat(1), flat(2)}, 2, {big});
    // Each body fits, their smoothing does not: no value and nothing summed while the smoothing
    // overflows, and the four-candle window moves on past the tall candles.
    const Candle tall = bar(0, 1e308, 0, 1e308);
    const Candles after = {bar(1, 2, 1, 2), bar(2, 3, 2, 2), bar(2, 4, 1, 3), bar(3, 4, 2, 3), bar(3, 5, 3, 4)};
    Candles talls = {tall, tall, tall, tall};
    talls.insert(talls.end(), after.begin(), after.end());
    const Series got = run_candles("Rvi", {1}, talls), plain = run_candles("Rvi", {1}, after);
    expect_series(Series(got.begin(), got.begin() + 6), {N, N, N, N, N, N});
    for (const auto& v : got) EXPECT_TRUE(!v || std::isfinite(*v));
    expect_series(Series(got.end() - 2, got.end()), Series(plain.end() - 2, plain.end()));
    // A numerator beyond the doubles gives nothing, and the last value stays.
    expect_series(run_candles("Smi", {1, 1, 1}, {bar(0, 2, 0, 2), bar(0, 1e307, -1e307, 1e307), flat(3)}),
                        {100.0, N, 100.0});
    // Smi skips a stage input that is not finite: no value while the wide candle is in the window.
    expect_series(run_candles("Smi", {2, 1, 1}, {flat(1), wide, bar(2, 3, 1, 2), bar(2, 3, 1, 3)}),
                        {N, N, N, 100.0});
}

// The windows without an upper bound grow with the data: they build, report saturated warm-ups
// and give nothing over a short series.
TEST(StochasticMomentumTest, UnboundedWindowsGrowWithTheData) {
    const Candles bars = varied_candles(600, 23, false);
    constexpr std::uint64_t kAll = std::numeric_limits<std::uint64_t>::max();
    for (const auto& [type, params, warmup] : std::vector<std::tuple<std::string, Vec, std::uint64_t>>{
             {"Smi", {1e300, 3, 3}, kAll},
             {"Smi", {16777217, 16777216, 16777216}, 16777217 + 2 * 16777216 - 2},
             {"UltimateOscillator", {1, 1e300, 2}, kAll},
             {"UltimateOscillator", {20000000, 3, 3}, 20000001}}) {
        std::uint64_t got_warmup = 0;
        const Series got = run_candles(type, params, bars, &got_warmup);
        EXPECT_EQ(got_warmup, warmup) << describe(type, params);
        EXPECT_EQ(first_value_bar(got), 0u) << describe(type, params);
    }
}

}  // namespace
}  // namespace prynox
