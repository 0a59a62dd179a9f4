// The momentum family's numbers: each type, built through the registry, against a plain
// recomputation of its definition over the table closes (bit for bit on the bars where a running
// sum has just been rebuilt); degenerate windows; overflowing bars; lengths far beyond
// the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "indicators/momentum/mom.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using namespace test;
using Vec = std::vector<double>;
using P = std::vector<double>;
constexpr auto none = std::nullopt;

std::size_t len(double p) { return static_cast<std::size_t>(p); }

// ------------------------------------------------------------------ references

// f(close, close n bars back).
template <class F>
Series back(const Vec& xs, std::size_t n, F f) {
    Series out(xs.size());
    for (std::size_t t = n; t < xs.size(); ++t) out[t] = f(xs[t], xs[t - n]);
    return out;
}
double mom(double x, double o) { return x - o; }
double roc(double x, double o) { return o == 0 ? 0.0 : ((x - o) / o) * 100; }
double rocp(double x, double o) { return o == 0 ? 0.0 : (x - o) / o; }
double rocr(double x, double o) { return o == 0 ? 0.0 : x / o; }
double rocr100(double x, double o) { return o == 0 ? 0.0 : (x / o) * 100; }
template <double (*F)(double, double)>
Series n_bar(const Vec& xs, const P& p) { return back(xs, len(p[0]), F); }

// Only closes above 0 are bars of the log return.
Series log_return(const Vec& xs, const P& p) {
    Series out(xs.size());
    std::vector<std::size_t> at;
    for (std::size_t t = 0; t < xs.size(); ++t)
        if (xs[t] > 0 && (at.push_back(t), at.size() > len(p[0])))
            out[t] = std::log(xs[t] / xs[at[at.size() - 1 - len(p[0])]]);
    return out;
}

// The average core's own reference, the close itself where the window is flat.
Series flat_exact_sma(const Vec& xs, std::size_t n) {
    Series m = ref_sma(xs, n);
    for (std::size_t t = n - 1; t < xs.size(); ++t)
        if (flat_window(xs, t, n)) m[t] = xs[t];
    return m;
}

// The linearly weighted mean of the last W sums of the two rates of change.
Series coppock(const Vec& xs, const P& p) {
    std::size_t a = len(p[0]), b = len(p[1]), w = len(p[2]);
    Vec sums;
    Series out(xs.size());
    for (std::size_t t = std::max(a, b); t < xs.size(); ++t) {
        sums.push_back(roc(xs[t], xs[t - a]) + roc(xs[t], xs[t - b]));
        double num = 0;
        for (std::size_t k = 0; sums.size() >= w && k < w; ++k) num += (k + 1.0) * sums[sums.size() - w + k];
        if (sums.size() >= w) out[t] = num / (w * (w + 1.0) / 2);
    }
    return out;
}

// Two EMAs of the one-bar rate of change (x 10 between them), each starting at its first input.
Series pmo(const Vec& xs, const P& p) {
    Series out(xs.size());
    double a = 2 / p[0], b = 2 / p[1], s1 = 0, s2 = 0;
    for (std::size_t t = 1; t < xs.size(); ++t) {
        double r = xs[t - 1] == 0 ? 0.0 : (xs[t] / xs[t - 1] - 1) * 100;
        s1 = t == 1 ? r : std::fma(a, r, (1 - a) * s1);
        out[t] = s2 = t == 1 ? s1 * 10 : std::fma(b, s1 * 10, (1 - b) * s2);
    }
    return out;
}

Series wave_pm(const Vec& xs, const P& p) {
    std::size_t n = len(p[0]);
    Series q = back(xs, n, [](double x, double o) { return (x - o) * (x - o); });
    Series v = through(q, [n](const Vec& s) { return ref_ema(s, n); }), w(xs.size());
    for (std::size_t t = 0; t < xs.size(); ++t)
        if (v[t]) w[t] = *v[t] <= 0 ? 0.0 : 1 - std::exp(-*q[t] / (*v[t] + *v[t]));
    Series e = through(w, [&](const Vec& s) { return ref_ema(s, len(p[1])); });
    for (auto& x : e) x = x ? std::optional(*x * 100) : none;
    return e;
}

// The close s bars back less the mean of the last N closes.
Series dpo(const Vec& xs, const P& p) {
    std::size_t n = len(p[0]), s = n / 2 + 1;
    Series out(xs.size());
    for (std::size_t t = std::max(s + 1, n) - 1; t < xs.size(); ++t) {
        double sum = -0.0;
        for (std::size_t i = t + 1 - n; i <= t; ++i) sum += xs[i];
        out[t] = xs[t - s] - sum / p[0];
    }
    return out;
}

Series disparity_index(const Vec& xs, const P& p) {
    Series out = flat_exact_sma(xs, len(p[0]));
    for (std::size_t t = 0; t < xs.size(); ++t)
        if (out[t]) out[t] = *out[t] == 0 ? 0.0 : ((xs[t] - *out[t]) * 100) / *out[t];
    return out;
}

// The positive and negative deviations from the mean in the last Q bars, summed afresh.
Series tii(const Vec& xs, const P& p) {
    std::size_t n = len(p[0]), q = len(p[1]);
    Series out(xs.size()), m = flat_exact_sma(xs, n);
    for (std::size_t t = n + q - 2; t < xs.size(); ++t) {
        double up = 0, down = 0;
        for (std::size_t i = t + 1 - q; i <= t; ++i) {
            double d = xs[i] - *m[i];
            (d > 0 ? up : down) += std::fabs(d);
        }
        out[t] = up + down <= 0 ? 50.0 : std::clamp((up * 100) / (up + down), 0.0, 100.0);
    }
    return out;
}

Series vertical_horizontal_filter(const Vec& xs, const P& p) {
    std::size_t n = len(p[0]);
    Series out(xs.size());
    for (std::size_t t = n; t < xs.size(); ++t) {
        double path = 0, hi = xs[t], lo = xs[t];
        for (std::size_t i = t + 1 - n; i <= t; ++i) path += std::fabs(xs[i] - xs[i - 1]);
        for (std::size_t i = t + 1 - n; i <= t; ++i) hi = std::max(hi, xs[i]), lo = std::min(lo, xs[i]);
        out[t] = path == 0 ? 0.0 : (hi - lo) / path;
    }
    return out;
}

// Straight distance over N bars against the path of N unit-time steps, signed, then an EMA.
Series polarized_fractal_efficiency(const Vec& xs, const P& p) {
    std::size_t n = len(p[0]);
    Series raw(xs.size());
    for (std::size_t t = n; t < xs.size(); ++t) {
        double path = 0, d = xs[t] - xs[t - n];
        for (std::size_t i = t + 1 - n; i <= t; ++i)
            path += std::sqrt(std::fma(xs[i] - xs[i - 1], xs[i] - xs[i - 1], 1.0));
        raw[t] = (std::sqrt(std::fma(d, d, p[0] * p[0])) * (d > 0 ? 100 : d < 0 ? -100 : 0)) / path;
    }
    return through(raw, [&](const Vec& s) { return ref_ema(s, len(p[1])); });
}

// The bands from the window's mean K and the deviations from it: middle K + S1 / N, variance
// S2 / N - (S1 / N)^2; three equal lines on a flat window.
template <bool kPercentB>
Series bands(const Vec& xs, const P& p) {
    std::size_t n = len(p[0]);
    Series out(xs.size());
    for (std::size_t t = n - 1; t < xs.size(); ++t) {
        double k = 0, s1 = 0, s2 = 0, x = xs[t];
        for (std::size_t i = t + 1 - n; i <= t; ++i) k += xs[i];
        k /= static_cast<double>(n);
        for (std::size_t i = t + 1 - n; i <= t; ++i) s1 += xs[i] - k, s2 += (xs[i] - k) * (xs[i] - k);
        double u = s1 / n, w = p[1] * std::sqrt(std::max(s2 / n - u * u, 0.0));
        bool flat = flat_window(xs, t, n);
        double middle = flat ? x : k + u, upper = flat ? x : middle + w, lower = flat ? x : middle - w;
        if (kPercentB) out[t] = upper - lower == 0 ? 0.5 : (x - lower) / (upper - lower);
        if (!kPercentB) out[t] = middle == 0 ? 0.0 : (upper - lower) / middle;
    }
    return out;
}

// ------------------------------------------------------------------ the table

// rel 0: bit for bit; `resum`: bit for bit also where the type has just rebuilt its running sums
// from the window (every N closes).
using Ref = Series (*)(const Vec&, const P&);
struct Row { const char* type; std::vector<P> params; Ref reference; double rel = 0; bool resum = false; };

TEST(MomentumTest, NumbersAgainstPlainRecomputations) {
    const std::vector<P> n = {{1}, {2}, {7}, {30}};
    const Row rows[] = {
        {"Mom", n, n_bar<mom>},         {"Roc", n, n_bar<roc>},         {"Rocp", n, n_bar<rocp>},
        {"Rocr", n, n_bar<rocr>},       {"Rocr100", n, n_bar<rocr100>},
        {"LogReturn", n, log_return, 1e-12},
        {"Coppock", {{14, 11, 10}, {1, 1, 1}, {3, 20, 4}}, coppock, 1e-9},
        {"Pmo", {{35, 20}, {2, 2}, {3, 50}}, pmo},
        {"WavePm", {{14, 5}, {1, 1}, {3, 30}}, wave_pm, 1e-12},
        {"Dpo", {{1}, {2}, {3}, {4}, {20}, {21}}, dpo, 1e-10, true},
        {"DisparityIndex", {{1}, {2}, {14}, {30}}, disparity_index},
        {"Tii", {{30, 15}, {1, 1}, {5, 1}, {2, 9}, {14, 40}}, tii, 1e-10},
        {"VerticalHorizontalFilter", {{1}, {2}, {5}, {28}}, vertical_horizontal_filter, 1e-10},
        {"PolarizedFractalEfficiency", {{10, 5}, {1, 1}, {2, 3}, {30, 2}}, polarized_fractal_efficiency, 1e-10},
        {"PercentB", {{1, 2}, {2, 1}, {3, 0.5}, {5, 2}, {20, 2.5}, {37, 1.7}}, bands<true>, 1e-10, true},
        {"BollingerBandwidth", {{1, 2}, {2, 1}, {3, 0.5}, {5, 2}, {20, 2.5}, {37, 1.7}}, bands<false>, 1e-10, true},
    };
    const Vec xs = table_closes();
    for (const Row& r : rows)
        for (const P& p : r.params) {
            SCOPED_TRACE(describe(r.type, p));
            expect_series(run_built(r.type, p, xs), r.reference(xs, p),
                          [&](std::size_t i) { return r.rel == 0 || (r.resum && (i + 1) % len(p[0]) == 0) ? 0.0 : r.rel; });
        }
}

TEST(MomentumTest, DegenerateWindowsGiveTheirFixedValues) {
    // settle: the flat closes after a variation of small inexact moves (whose running sums keep a
    // residue) from which on the value is promised; it is promised on a constant series as well.
    struct Case { const char* type; P params; double value; std::size_t settle; };
    const Case cases[] = {
        {"PercentB", {1, 2}, 0.5, 1},           {"PercentB", {3, 0.5}, 0.5, 3},  {"PercentB", {20, 2.5}, 0.5, 20},
        {"BollingerBandwidth", {5, 2}, 0, 5},   {"BollingerBandwidth", {37, 1.7}, 0, 37},
        {"Tii", {3, 4}, 50, 6},                 {"VerticalHorizontalFilter", {3}, 0, 4}, {"DisparityIndex", {3}, 0, 3},
    };
    Vec variation;
    for (int k = 0; k < 40; ++k) variation.push_back(0.1 * (k % 7) + 0.3 * (k % 3));
    for (const Case& c : cases)
        for (double level : {103.25, 0.1, 0.0, -0.0, -7.3, -1.0 / 3.0, 1e-300, 5e-324, 1.7e308})
            for (const Vec& before : {Vec{}, variation}) {
                Vec xs = before;
                xs.insert(xs.end(), 60, level);
                Series s = run_built(c.type, c.params, xs);
                for (std::size_t i = before.size() + c.settle - 1; i < xs.size(); ++i)
                    ASSERT_TRUE(s[i] && *s[i] == c.value) << describe(c.type, c.params) << " " << level << " " << i;
            }
    // +0.0, not the sign of the residue the path keeps (-2.8e-17 here).
    Series vhf = run_built("VerticalHorizontalFilter", {3}, {0.4, 0.7, 0.8, 0.1, 0, 0, 0, 0, 0});
    EXPECT_TRUE(same_bits(*vhf.back(), 0.0));
    // Negative deviations only give exactly 0, whatever residue the positive sum kept.
    Vec falling = variation;
    for (int i = 1; i <= 40; ++i) falling.push_back(variation.back() - 0.1 * i);
    EXPECT_TRUE(same_bits(*run_built("Tii", {5, 15}, falling).back(), 0.0));
}

TEST(MomentumTest, OverflowingBarsAreRefused) {
    // Closes that are not bars of a log return change nothing.
    expect_refused({"LogReturn", {1}, {1e300, 1e299, 3}, 1, {0, -2}});
    // Each of the middle closes overflows a change, a ratio, a step or a sum: no value, the sums
    // and windows as they were. The next change is taken from it, so a close beyond the doubles
    // followed by the close before it (refused as well) leaves the run as without them.
    expect_refused({"LogReturn", {1}, {1e-300, 1e-299, 2e-299}, 1, {1e300, 1e-300}});
    expect_refused({"Dpo", {2}, {1e308, 1, 1, 2, 3}, 2, {1e308}});
    expect_refused({"PolarizedFractalEfficiency", {2, 1}, {1, 3, 2, 5, 5, 4}, 1, {1e200, 1}});
    expect_refused({"VerticalHorizontalFilter", {2}, {1.7e308, 1, 2, 4, 3}, 1, {-1.7e308, 1.7e308}});
    // The bar after a refused one is measured from it: 2e300 / 1e300 rather than / 1e-300; equal
    // closes after it are steps of 1 and changes of 0, not refused for good.
    const Series log_return = run_built("LogReturn", {1}, {1e-300, 1e300, 2e300});
    EXPECT_TRUE(!log_return[1] && log_return[2]);
    EXPECT_NEAR(log_return[2].value_or(0), std::log(2e300 / 1e300), 1e-12);
    EXPECT_NEAR(run_built("LogReturn", {1}, {1e300, 1e-300, 1e-299}).back().value_or(0), std::log(1e-299 / 1e-300), 1e-12);
    EXPECT_EQ(run_built("PolarizedFractalEfficiency", {2, 1}, {1, 3, 1e200, 1e200, 1e200, 1e200}),
              (Series{none, none, none, none, none, 0.0}));
    EXPECT_EQ(run_built("VerticalHorizontalFilter", {2}, {-1.7e308, 1.7e308, 1.7e308, 1.7e308}), (Series{none, none, none, 0.0}));
    // Pmo: 1e308 / 1e-300 overflows; the close still moves on, so the next rate is 0.
    EXPECT_EQ(run_built("Pmo", {2, 2}, {1e-300, 1e308, 1e308}), (Series{none, none, 0.0}));
    // Tii: the mean of +-1.7e308 is 0, so the negative deviations would sum to 3.4e308 on the
    // fourth bar; the sums stay finite and a rise leaves only positive deviations.
    Series tii = run_built("Tii", {2, 3}, {1.7e308, -1.7e308, 1.7e308, -1.7e308, 1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(!tii[3] && tii.back() == 100.0);
    // VerticalHorizontalFilter: finite changes whose path passes the largest double give no value
    // while it does, then the exact path of the window again: 0 over 1.7e308, 2 / 2, 1 / 3.
    EXPECT_EQ(run_built("VerticalHorizontalFilter", {2}, {0, 1.7e308, 0, 0, 2, 1}),
              (Series{none, none, none, 0.0, 1.0, 1.0 / 3.0}));
    // WavePm, period 3: squares of 1e308 seed the power average while the seed sum can take them
    // (the second and third are refused), then a change whose square is beyond the largest double
    // leaves the averages as they were: they decay and the wave comes back above 0.
    Vec wave = {0, 0, 0, 1e154, 1e154, 1e154, 1e154, 1e154, -1e154};
    for (int i = 0; i < 2000; ++i) wave.push_back(i % 5);
    Series w = run_built("WavePm", {3, 1}, wave);
    EXPECT_EQ(Series(w.begin(), w.begin() + 9), (Series{none, none, none, none, none, none, none, 0.0, none}));
    EXPECT_GT(w.back().value_or(0), 0.0);
    // PercentB: a multiplier near the largest double makes any spread infinite bands (no value);
    // a flat window still gives its fixed value. Squared deviations that overflow give no value
    // while they are in the window, and the plain reading once they have left it.
    EXPECT_EQ(run_built("PercentB", {3, 1e308}, {1, 5, 9, 13, 7, 7, 7}),
              (Series{none, none, none, none, none, none, 0.5}));
    const Vec spread = {1, 2, 3, 4, 1e200, -1e200, 1e200, 5, 6, 7, 8, 9, 10, 11, 12};
    Series pb = run_built("PercentB", {4, 2}, spread), bw = run_built("BollingerBandwidth", {4, 2}, spread);
    for (std::size_t t = 0; t < spread.size(); ++t)
        EXPECT_TRUE(std::isfinite(pb[t].value_or(0)) && std::isfinite(bw[t].value_or(0))) << t;
    EXPECT_NEAR(*pb.back(), *bands<true>(spread, {4, 2}).back(), 1e-12);
    EXPECT_NEAR(*bw.back(), *bands<false>(spread, {4, 2}).back(), 1e-12);
}

TEST(MomentumTest, LengthsFarBeyondTheDataCostOnlyTheDataSeen) {
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    expect_lengths_beyond_data("Mom", {16777216}, 16777217);
    expect_lengths_beyond_data("LogReturn", {16777216}, 16777217);
    expect_lengths_beyond_data("Dpo", {16777216}, 16777216);
    expect_lengths_beyond_data("VerticalHorizontalFilter", {16777216}, 16777217);
    expect_lengths_beyond_data("Tii", {5, 1e30}, max);
    expect_lengths_beyond_data("Tii", {30, 1e20}, max);
    expect_lengths_beyond_data("PercentB", {16777216, 2}, 16777216);
    expect_lengths_beyond_data("BollingerBandwidth", {16777216, 2}, 16777216);
    auto mom = *Mom::create(16'777'216);
    for (int i = 0; i < 500; ++i) (void)mom.update_value(100 + i);
    EXPECT_LE(mom.window().storage(), 1024u);
}

}  // namespace
}  // namespace prynox
