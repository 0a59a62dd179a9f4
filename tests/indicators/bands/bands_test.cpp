// The band types, built from the registry and fed candles (rejected ones among them), against
// plain recomputations of each formula over the accepted candles: exact where the arithmetic is
// + - * / and sqrt in a fixed order (the Bollinger lines on the bars whose sums were just
// rebuilt), close to the two-pass definition for the cumulative VWAP; the worked cases; candles
// whose derived terms overflow are refused as a whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "indicators/directional_movement/candle_runs.hpp"

namespace prynox::test {
namespace {

using Vec = std::vector<double>;
using Lines = std::vector<Vec>;  // the outputs of each bar, empty on a bar without value

Lines run_lines(const std::string& type, const Vec& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    EXPECT_TRUE(built) << type;
    Lines out;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        Vec v;
        if ((*built)->update(ctx))
            for (const auto& o : (*built)->outputs()) v.push_back(o.value);
        out.push_back(v);
    }
    return out;
}

// Varied candles with rejected ones, flat runs and varied volumes, then a grid around 0.
Candles table_candles() {
    Candles bars = varied_candles(400, 11, true), grid = grid_candles(120, 5);
    bars.insert(bars.end(), grid.begin(), grid.end());
    for (std::size_t i = 0; i < bars.size(); ++i)
        if (bars[i].volume >= 0) bars[i].volume = static_cast<double>(i % 7) * 250.5;
    return bars;
}

// ------------------------------------------------------------------ plain recomputations

// Population mean and deviation of each window, anchored at the window's mean as the core is
// on the bars where it has just rebuilt its sums; a flat window is its own value with no width.
std::optional<std::array<double, 2>> bollinger(const Candles& xs, std::size_t t, std::size_t n) {
    if (t + 1 < n) return std::nullopt;
    double k = 0, s1 = 0, s2 = 0;
    bool flat = true;
    for (std::size_t i = t + 1 - n; i <= t; ++i) k += xs[i].close, flat = flat && xs[i].close == xs[t].close;
    k /= static_cast<double>(n);
    for (std::size_t i = t + 1 - n; i <= t; ++i) s1 += xs[i].close - k, s2 += (xs[i].close - k) * (xs[i].close - k);
    const double u = s1 / n, var = s2 / n - u * u;
    if (flat) return std::array{xs[t].close, 0.0};
    return std::array{k + u, std::sqrt(std::max(var, 0.0))};
}

Vec closes(const Candles& xs) {
    Vec v;
    for (const Candle& c : xs) v.push_back(c.close);
    return v;
}

// Wilder's average of the true range, seeded with the mean of the first n.
Series atr(const Candles& xs, std::size_t n) {
    Series out(xs.size());
    double a = 0;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        const Candle& c = xs[t];
        double tr = c.high - c.low;
        if (t > 0) tr = std::max({tr, std::fabs(c.high - xs[t - 1].close), std::fabs(c.low - xs[t - 1].close)});
        a = t < n ? a + tr : std::fma(a, n - 1.0, tr) * (1.0 / n);
        if (t + 1 == n) a /= static_cast<double>(n);
        if (t + 1 >= n) out[t] = a;
    }
    return out;
}

// Middle and half-width (or middle, width and its multiplier) on each accepted candle t.
using Ref = std::function<std::optional<Vec>(const Candles&, std::size_t, const Vec&)>;
std::optional<Vec> around(std::optional<double> mid, std::optional<double> w) {
    if (!mid || !w) return std::nullopt;
    return Vec{*mid + *w, *mid, *mid - *w};
}

struct Row {
    const char* type;
    std::vector<Vec> params;
    Ref ref;
    bool exact_on_resum = false;  // exact only where the window's sums were just rebuilt
    double tol = 0;
    bool close_only = false;  // reads the close without checking the candle
};

TEST(BandsTest, NumbersAgainstPlainRecomputations) {
    const Candles bars = table_candles();
    const auto sma_of = [&](const Vec& v, std::size_t n) { return ref_sma(v, n); };
    const auto raw = [&](const Candles& x, double f, bool upper) {
        Vec v;
        for (const Candle& c : x) {
            const double s = c.high + c.low, w = s == 0 ? 0 : (c.high - c.low) / s;
            v.push_back(upper ? c.high * std::fma(f, w, 1.0) : c.low * std::fma(-f, w, 1.0));
        }
        return v;
    };
    const std::vector<Row> rows = {
        {"BollingerBands", {{1, 2}, {3, 0.5}, {20, 2}, {37, 1.7}},
         [](const Candles& x, std::size_t t, const Vec& p) -> std::optional<Vec> {
             auto b = bollinger(x, t, p[0]);
             if (!b) return std::nullopt;
             const double w = p[1] * (*b)[1];
             return Vec{(*b)[0] + w, (*b)[0], (*b)[0] - w, (*b)[1]};
         },
         true, 1e-9, true},
        {"DoubleBollinger", {{2, 0.5, 3}, {20, 1, 2}},
         [](const Candles& x, std::size_t t, const Vec& p) -> std::optional<Vec> {
             auto b = bollinger(x, t, p[0]);
             if (!b) return std::nullopt;
             const double m = (*b)[0], sd = (*b)[1];
             return Vec{m + p[2] * sd, m + sd * p[1], m, m - sd * p[1], m - p[2] * sd};
         },
         true, 1e-9, true},
        {"MaEnvelope", {{1, 0.5}, {20, 0.025}},
         [&](const Candles& x, std::size_t t, const Vec& p) -> std::optional<Vec> {
             auto s = sma_of(closes(x), p[0])[t];
             if (!s) return std::nullopt;
             return Vec{*s * (1 + p[1]), *s, *s * (1 - p[1])};
         },
         false, 0, true},
        {"Keltner", {{3, 5, 1.5}, {20, 10, 2}, {1, 1, 0.5}},
         [&](const Candles& x, std::size_t t, const Vec& p) {
             auto a = atr(x, p[1])[t];
             return around(ref_ema(closes(x), p[0])[t], a ? std::optional(*a * p[2]) : std::nullopt);
         }},
        {"StarcBands", {{6, 15, 2}, {15, 6, 1}},
         [&](const Candles& x, std::size_t t, const Vec& p) {
             auto a = atr(x, p[1])[t];
             return around(sma_of(closes(x), p[0])[t], a ? std::optional(*a * p[2]) : std::nullopt);
         }},
        {"AtrBands", {{1, 3}, {14, 2}},
         [&](const Candles& x, std::size_t t, const Vec& p) {
             auto a = atr(x, p[0])[t];
             return around(x[t].close, a ? std::optional(*a * p[1]) : std::nullopt);
         }},
        {"AccelerationBands", {{1, 0.5}, {20, 4}},
         [&](const Candles& x, std::size_t t, const Vec& p) -> std::optional<Vec> {
             auto u = sma_of(raw(x, p[1], true), p[0])[t], m = sma_of(closes(x), p[0])[t],
                  l = sma_of(raw(x, p[1], false), p[0])[t];
             if (!m) return std::nullopt;
             return Vec{*u, *m, *l};
         }},
        {"HurstChannel", {{1, 2}, {10, 0.5}},
         [&](const Candles& x, std::size_t t, const Vec& p) -> std::optional<Vec> {
             const std::size_t n = p[0];
             auto s = sma_of(closes(x), n)[t];
             if (!s) return std::nullopt;
             double hh = x[t].high, ll = x[t].low;
             for (std::size_t i = t + 1 - n; i <= t; ++i) hh = std::max(hh, x[i].high), ll = std::min(ll, x[i].low);
             return around(s, p[1] * (hh - ll));
         }},
        // The two-pass definition: vwap = sum(v tp) / V, variance = sum(v (tp - vwap)^2) / V.
        {"VwapStdDevBands", {{2}},
         [](const Candles& x, std::size_t t, const Vec& p) -> std::optional<Vec> {
             double v = 0, vtp = 0, var = 0;
             const auto tp = [&](std::size_t i) { return ((x[i].high + x[i].low) + x[i].close) / 3; };
             for (std::size_t i = 0; i <= t; ++i) v += x[i].volume, vtp += x[i].volume * tp(i);
             if (v == 0) return std::nullopt;
             for (std::size_t i = 0; i <= t; ++i) var += x[i].volume * (tp(i) - vtp / v) * (tp(i) - vtp / v);
             const double sd = std::sqrt(var / v);
             return Vec{vtp / v + p[0] * sd, vtp / v, vtp / v - p[0] * sd, sd};
         },
         false, 1e-9},
    };
    for (const Row& r : rows)
        for (const Vec& p : r.params) {
            const auto taken = [&](const Candle& c) { return r.close_only ? std::isfinite(c.close) : candle_passes(c); };
            Candles xs;
            std::copy_if(bars.begin(), bars.end(), std::back_inserter(xs), taken);
            const Lines got = run_lines(r.type, p, bars);
            for (std::size_t i = 0, t = 0; i < bars.size(); ++i) {
                if (!taken(bars[i])) {
                    ASSERT_TRUE(got[i].empty()) << describe(r.type, p) << " bar " << i;
                    continue;
                }
                const auto want = r.ref(xs, t, p);
                ASSERT_EQ(got[i].empty(), !want) << describe(r.type, p) << " bar " << i;
                const bool exact = r.tol == 0 || (r.exact_on_resum && (t + 1) % static_cast<std::size_t>(p[0]) == 0);
                for (std::size_t k = 0; want && k < want->size(); ++k)
                    if (exact) {
                        ASSERT_TRUE(same_bits(got[i][k], (*want)[k]))
                            << describe(r.type, p) << " bar " << i << " output " << k << ": " << got[i][k] << " vs "
                            << (*want)[k];
                    } else {
                        ASSERT_NEAR(got[i][k], (*want)[k], r.tol * std::max(std::fabs((*want)[k]), 1.0))
                            << describe(r.type, p) << " bar " << i << " output " << k;
                    }
                ++t;
            }
        }
}

TEST(BandsTest, OutputNamesInTheirOrder) {
    using Names = std::vector<std::string>;
    const Names three = {"upper", "middle", "lower"}, four = {"upper", "middle", "lower", "stddev"};
    const std::vector<std::pair<std::string, Names>> types = {
        {"BollingerBands", four}, {"VwapStdDevBands", four}, {"MaEnvelope", three}, {"Keltner", three},
        {"StarcBands", three},    {"AtrBands", three},       {"AccelerationBands", three}, {"HurstChannel", three},
        {"DoubleBollinger", {"upper_outer", "upper_inner", "middle", "lower_inner", "lower_outer"}}};
    for (const auto& [type, names] : types) {
        auto built = build_indicator(type, Vec{3, 1, 2});
        ASSERT_TRUE(built) << type;
        const auto got = (*built)->output_names();
        EXPECT_EQ(Names(got.begin(), got.end()), names) << type;
    }
}

TEST(BandsTest, WorkedCases) {
    // Equal closes after a move: every line is the close and the deviation 0, exactly (the
    // shifted sums alone leave 4.66e-10).
    Candles bars;
    for (double c : {0.5, 0.6, 0.6, 0.6, 0.6}) bars.push_back(flat(c));
    EXPECT_EQ(run_lines("BollingerBands", {3, 2}, bars).back(), (Vec{0.6, 0.6, 0.6, 0.0}));
    EXPECT_EQ(run_lines("DoubleBollinger", {3, 1, 2}, bars).back(), (Vec{0.6, 0.6, 0.6, 0.6, 0.6}));
    // Prices of 0 pass the candle check: the relative range is 0, not 0 / 0.
    EXPECT_EQ(run_lines("AccelerationBands", {1, 4}, {flat(0)}).back(), (Vec{0, 0, 0}));
    // Leading bars without volume give nothing; the first with volume is its own typical price.
    Candles vwap = {bar(1, 4, 1, 2), bar(5, 5, 3, 4), bar(2, 3, 1, 2)};
    vwap[0].volume = vwap[1].volume = 0;
    const Lines v = run_lines("VwapStdDevBands", {2}, vwap);
    EXPECT_TRUE(v[0].empty() && v[1].empty());
    EXPECT_NEAR(v[2][1], 2, 1e-15);
    EXPECT_NEAR(v[2][3], 0, 1e-7);
}

TEST(BandsTest, CandlesWhoseTermsOverflowAreRefusedWhole) {
    const Candles bars = accepted_candles(varied_candles(60, 3, false));
    Candle huge_volume = flat(20);
    huge_volume.volume = 1e307;
    expect_candles_refused("VwapStdDevBands", {2}, bars, 1, {huge_volume});
    expect_candles_refused("VwapStdDevBands", {2}, bars, 30, {huge_volume, bar(1e308, 1.7e308, 0, 1e308)});
    for (std::size_t at : {1u, 3u, 40u})
        expect_candles_refused("AccelerationBands", {5, 4}, bars, at, {bar(0, 1e308, 0, 0)});
    // A true range beyond the doubles reaches neither the average of the close nor the ATR.
    const Candle wide = bar(0, 1.7e308, -1.7e308, 0);
    for (std::size_t at : {1u, 7u, 40u}) {
        expect_candles_refused("Keltner", {3, 5, 2}, bars, at, {wide});
        expect_candles_refused("Keltner", {8, 2, 2}, bars, at, {wide});
        expect_candles_refused("StarcBands", {3, 5, 2}, bars, at, {wide});
        expect_candles_refused("StarcBands", {8, 2, 2}, bars, at, {wide});
    }
}

}  // namespace
}  // namespace prynox::test
