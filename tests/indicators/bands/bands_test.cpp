// The band types, built from the registry and fed candles (rejected ones among them), against
// plain recomputations of each formula over the accepted candles: exact where the arithmetic is
// + - * / and sqrt in a fixed order (the Bollinger lines on the bars whose sums were just
// rebuilt), close to the two-pass definition for the cumulative VWAP; the worked cases; candles
// whose derived terms overflow are refused as a whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "support/output_lines.hpp"

namespace prynox::test {
namespace {

using Vec = std::vector<double>;
using Lines = std::vector<Vec>;  // the outputs of each bar, empty on a bar without value

// Varied candles with rejected ones, flat runs and varied volumes, then a grid around 0.
Candles table_candles() {
    Candles bars = varied_candles(400, 11, true), grid = grid_candles(120, 5);
    bars.insert(bars.end(), grid.begin(), grid.end());
    for (std::size_t i = 0; i < bars.size(); ++i)
        if (bars[i].volume >= 0) bars[i].volume = static_cast<double>(i % 7) * 250.5;
    return bars;
}

// ------------------------------------------------------------------ plain recomputations
// Each gives the outputs on accepted candle t of x, empty when there is no value.

using Opt = std::optional<double>;
Vec closes(const Candles& xs) {
    Vec v;
    for (const Candle& c : xs) v.push_back(c.close);
    return v;
}
Opt sma(const Vec& v, double n, std::size_t t) { return ref_sma(v, static_cast<std::size_t>(n))[t]; }
Vec around(Opt mid, Opt w, double k) { return mid && w ? Vec{*mid + *w * k, *mid, *mid - *w * k} : Vec{}; }

// Population mean and deviation of the window, anchored at its mean as the core is on the bars
// where it has just rebuilt its sums; a flat window is its own value with no width.
Vec bollinger(const Candles& xs, std::size_t t, double p) {
    const std::size_t n = static_cast<std::size_t>(p);
    if (t + 1 < n) return {};
    double k = 0, s1 = 0, s2 = 0;
    bool flat = true;
    for (std::size_t i = t + 1 - n; i <= t; ++i) k += xs[i].close, flat = flat && xs[i].close == xs[t].close;
    k /= static_cast<double>(n);
    for (std::size_t i = t + 1 - n; i <= t; ++i) s1 += xs[i].close - k, s2 += (xs[i].close - k) * (xs[i].close - k);
    const double u = s1 / n;
    return flat ? Vec{xs[t].close, 0.0} : Vec{k + u, std::sqrt(std::max(s2 / n - u * u, 0.0))};
}

// Wilder's average of the true range, seeded with the mean of the first n.
Opt atr(const Candles& xs, double p, std::size_t at) {
    const std::size_t n = static_cast<std::size_t>(p);
    double a = 0;
    for (std::size_t t = 0; t <= at; ++t) {
        const Candle& c = xs[t];
        double tr = c.high - c.low;
        if (t > 0) tr = std::max({tr, std::fabs(c.high - xs[t - 1].close), std::fabs(c.low - xs[t - 1].close)});
        a = t < n ? a + tr : std::fma(a, n - 1.0, tr) * (1.0 / n);
        if (t + 1 == n) a /= static_cast<double>(n);
    }
    return at + 1 >= n ? Opt(a) : std::nullopt;
}

// The high widened (the low narrowed) by f times the relative range.
Vec raw(const Candles& x, double f, bool upper) {
    Vec v;
    for (const Candle& c : x) {
        const double s = c.high + c.low, w = s == 0 ? 0 : (c.high - c.low) / s;
        v.push_back(upper ? c.high * std::fma(f, w, 1.0) : c.low * std::fma(-f, w, 1.0));
    }
    return v;
}

using Ref = Vec (*)(const Candles&, std::size_t, const Vec&);
struct Row {
    const char* type;
    std::vector<Vec> params;
    Ref ref;
    bool close_only = false;      // reads the close without checking the candle
    bool exact_on_resum = false;  // exact only where the window's sums were just rebuilt
    double tol = 0;
};

const std::vector<Row> kRows = {
    {"BollingerBands", {{1, 2}, {3, 0.5}, {20, 2}, {37, 1.7}},
     [](const Candles& x, std::size_t t, const Vec& p) {
         Vec b = bollinger(x, t, p[0]), out = b.empty() ? b : around(b[0], p[1] * b[1], 1);
         return b.empty() ? b : (out.push_back(b[1]), out);
     },
     true, true, 1e-9},
    {"DoubleBollinger", {{2, 0.5, 3}, {20, 1, 2}},
     [](const Candles& x, std::size_t t, const Vec& p) {
         const Vec b = bollinger(x, t, p[0]);
         return b.empty() ? b : Vec{b[0] + p[2] * b[1], b[0] + b[1] * p[1], b[0], b[0] - b[1] * p[1], b[0] - p[2] * b[1]};
     },
     true, true, 1e-9},
    {"MaEnvelope", {{1, 0.5}, {20, 0.025}},
     [](const Candles& x, std::size_t t, const Vec& p) {
         const Opt s = sma(closes(x), p[0], t);
         return s ? Vec{*s * (1 + p[1]), *s, *s * (1 - p[1])} : Vec{};
     },
     true},
    {"Keltner", {{3, 5, 1.5}, {20, 10, 2}, {1, 1, 0.5}},
     [](const Candles& x, std::size_t t, const Vec& p) {
         return around(ref_ema(closes(x), static_cast<std::size_t>(p[0]))[t], atr(x, p[1], t), p[2]);
     }},
    {"StarcBands", {{6, 15, 2}, {15, 6, 1}},
     [](const Candles& x, std::size_t t, const Vec& p) { return around(sma(closes(x), p[0], t), atr(x, p[1], t), p[2]); }},
    {"AtrBands", {{1, 3}, {14, 2}},
     [](const Candles& x, std::size_t t, const Vec& p) { return around(x[t].close, atr(x, p[0], t), p[1]); }},
    {"AccelerationBands", {{1, 0.5}, {20, 3.3}},
     [](const Candles& x, std::size_t t, const Vec& p) {
         const Opt m = sma(closes(x), p[0], t);
         return m ? Vec{*sma(raw(x, p[1], true), p[0], t), *m, *sma(raw(x, p[1], false), p[0], t)} : Vec{};
     }},
    {"HurstChannel", {{1, 2}, {10, 0.5}},
     [](const Candles& x, std::size_t t, const Vec& p) {
         double hh = x[t].high, ll = x[t].low;
         for (std::size_t i = t + 1 - std::min<std::size_t>(t + 1, p[0]); i <= t; ++i)
             hh = std::max(hh, x[i].high), ll = std::min(ll, x[i].low);
         return around(sma(closes(x), p[0], t), p[1] * (hh - ll), 1);
     }},
    // The two-pass definition: vwap = sum(v tp) / V, variance = sum(v (tp - vwap)^2) / V.
    {"VwapStdDevBands", {{2}},
     [](const Candles& x, std::size_t t, const Vec& p) {
         double v = 0, vtp = 0, var = 0;
         const auto tp = [&](std::size_t i) { return ((x[i].high + x[i].low) + x[i].close) / 3; };
         for (std::size_t i = 0; i <= t; ++i) v += x[i].volume, vtp += x[i].volume * tp(i);
         for (std::size_t i = 0; i <= t; ++i) var += x[i].volume * (tp(i) - vtp / v) * (tp(i) - vtp / v);
         Vec out = v == 0 ? Vec{} : around(vtp / v, std::sqrt(var / v), p[0]);
         return v == 0 ? out : (out.push_back(std::sqrt(var / v)), out);
     },
     false, false, 1e-9},
};

TEST(BandsTest, NumbersAgainstPlainRecomputations) {
    const Candles bars = table_candles();
    for (const Row& r : kRows)
        for (const Vec& p : r.params) {
            const auto taken = [&](const Candle& c) { return r.close_only ? std::isfinite(c.close) : candle_passes(c); };
            Candles xs;
            std::copy_if(bars.begin(), bars.end(), std::back_inserter(xs), taken);
            const Lines got = run_output_rows(r.type, p, bars);
            for (std::size_t i = 0, t = 0; i < bars.size(); ++i) {
                const Vec want = taken(bars[i]) ? r.ref(xs, t++, p) : Vec{};
                ASSERT_EQ(got[i].size(), want.size()) << describe(r.type, p) << " bar " << i;
                const bool exact = r.tol == 0 || (r.exact_on_resum && t % static_cast<std::size_t>(p[0]) == 0);
                for (std::size_t k = 0; k < want.size(); ++k)
                    ASSERT_TRUE(exact ? same_bits(got[i][k], want[k])
                                      : std::fabs(got[i][k] - want[k]) <= r.tol * std::max(std::fabs(want[k]), 1.0))
                        << describe(r.type, p) << " bar " << i << " output " << k << ": " << got[i][k] << " vs " << want[k];
            }
        }
}

TEST(BandsTest, WorkedCases) {
    // Equal closes after a move: every line is the close and the deviation 0, exactly (the
    // shifted sums alone leave 4.66e-10).
    Candles bars;
    for (double c : {0.5, 0.6, 0.6, 0.6, 0.6}) bars.push_back(flat(c));
    EXPECT_EQ(run_output_rows("BollingerBands", {3, 2}, bars).back(), (Vec{0.6, 0.6, 0.6, 0.0}));
    // Prices of 0 pass the candle check: the relative range is 0, not 0 / 0.
    EXPECT_EQ(run_output_rows("AccelerationBands", {1, 4}, {flat(0)}).back(), (Vec{0, 0, 0}));
    // A range beyond the doubles is refused; the next true range reaches to its close of 0:
    // max(12 - 9, |12 - 0|, |9 - 0|) = 12 around the close of 11.
    const Candles after_wide = {bar(10, 12, 9, 11), bar(0, 1.7e308, -1.7e308, 0), bar(10, 12, 9, 11)};
    for (const char* type : {"Keltner", "StarcBands"})
        EXPECT_EQ(run_output_rows(type, {1, 1, 1}, after_wide), (Lines{{14, 11, 8}, {}, {23, 11, -1}})) << type;
    EXPECT_EQ(run_output_rows("AtrBands", {1, 1}, after_wide), (Lines{{14, 11, 8}, {}, {23, 11, -1}}));
}

// The candles `bad` spliced in before bar `at` give nothing, and every output of every other bar
// is, bit for bit, what `bars` give without them.
void refused(const std::string& type, const Vec& params, const Candles& bars, std::size_t at, const Candles& bad) {
    Lines want = run_output_rows(type, params, bars);
    want.insert(want.begin() + static_cast<std::ptrdiff_t>(at), bad.size(), Vec{});
    Candles spliced = bars;
    spliced.insert(spliced.begin() + static_cast<std::ptrdiff_t>(at), bad.begin(), bad.end());
    const Lines got = run_output_rows(type, params, spliced);
    for (std::size_t i = 0; i < got.size(); ++i)
        ASSERT_TRUE(std::equal(got[i].begin(), got[i].end(), want[i].begin(), want[i].end(), same_bits))
            << describe(type, params) << " refusing at " << at << ", bar " << i;
}

TEST(BandsTest, CandlesWhoseTermsOverflowAreRefusedWhole) {
    const Candles bars = accepted_candles(varied_candles(60, 3, false));
    Candle huge_volume = flat(20);
    huge_volume.volume = 1e307;
    refused("VwapStdDevBands", {2}, bars, 1, {huge_volume});
    refused("VwapStdDevBands", {2}, bars, 30, {huge_volume, bar(1e308, 1.7e308, 0, 1e308)});
    for (std::size_t at : {1u, 3u, 40u})
        refused("AccelerationBands", {5, 4}, bars, at, {bar(0, 1e308, 0, 0)});
    // A true range beyond the doubles reaches neither the average of the close nor the ATR; with
    // the close of the candle before, the next true range is the one it would have been.
    for (std::size_t at : {1u, 7u, 40u}) {
        const Candle wide = bar(bars[at - 1].close, 1.7e308, -1.7e308, bars[at - 1].close);
        refused("Keltner", {3, 5, 2}, bars, at, {wide});
        refused("Keltner", {8, 2, 2}, bars, at, {wide});
        refused("StarcBands", {3, 5, 2}, bars, at, {wide});
        refused("StarcBands", {8, 2, 2}, bars, at, {wide});
    }
    // A close that overflows the EMA's seed sum reaches neither stage either.
    Candles huge = {flat(1.7e308)};
    huge.insert(huge.end(), bars.begin(), bars.end());
    refused("Keltner", {3, 3, 2}, huge, 1, {flat(1.7e308)});
}

}  // namespace
}  // namespace prynox::test
