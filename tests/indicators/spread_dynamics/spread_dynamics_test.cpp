// The spread dynamics, built from the registry and fed closes with a reference series, against
// plain recomputations over the window of spreads close - reference each type takes: exact where
// the arithmetic is + - * / and sqrt (for the Bollinger bands on the bars whose sums were just
// rebuilt), 1e-12 through logarithms; windows of a constant spread, or of equal changes, give
// their promised values exactly; the worked cases; spreads and ratios that overflow are refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "support/pair_feed.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
using Opt = std::optional<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Opt N = std::nullopt;

// ------------------------------------------------------------------ feeding pairs

using test::pairs;
using test::PairRun;
using test::Pairs;
using test::run_pairs;

Series values(const std::string& type, const Vec& params, const Pairs& d) { return run_pairs(type, params, d).values; }

// A walk with jumps and a reference that follows it loosely; gaps of either series; then a
// constant spread (close 0.1, reference 0: the mean of 0.1s misses 0.1), variation, a constant
// spread of two moving-free series far from 0, variation.
Pairs table_pairs() {
    Pairs d;
    d.closes = test::varied_closes(400, 5, true);
    std::uint64_t s = 17;
    double r = 40.0;
    auto follow = [&](double c) { return r = std::isfinite(c) ? 0.5 * c + 0.3 * r + test::unit(s) * 2.0 : r + test::unit(s); };
    for (std::size_t i = 0; i < d.closes.size(); ++i) {
        const double ref = follow(d.closes[i]);
        d.refs.push_back(i % 53 == 7 ? N : (i % 61 == 30 ? Opt(kNaN) : Opt(ref)));
    }
    for (auto [close, ref] : {std::pair{0.1, 0.0}, {103.7, -1.0 / 3.0}}) {
        d.closes.insert(d.closes.end(), 40, close), d.refs.insert(d.refs.end(), 40, Opt(ref));
        for (double c : test::varied_closes(30, s, false)) d.closes.push_back(c), d.refs.push_back(follow(c));
    }
    return d;
}

// f over each window of the last n accepted spreads, on the bars that take a pair.
template <class F>
Series spread_windows(const Pairs& d, std::size_t n, F f) {
    Series out(d.closes.size());
    Vec spreads;
    for (std::size_t i = 0; i < d.closes.size(); ++i) {
        if (!d.taken(i)) continue;
        spreads.push_back(d.closes[i] - *d.refs[i]);
        if (spreads.size() >= n) out[i] = f(Vec(spreads.end() - static_cast<std::ptrdiff_t>(n), spreads.end()));
    }
    return out;
}

// ------------------------------------------------------------------ plain recomputations

bool all_equal(const Vec& v, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (v[i] != v[from]) return false;
    return true;
}

// Variance of x and covariance with y: centred sums over the pairs, the means summed in order;
// whether x is flat and y constant (compared exactly).
struct Fit {
    double var, cov;
    bool flat_x, flat_y;
};
Fit fit(const Vec& x, const Vec& y) {
    const double m = static_cast<double>(x.size());
    double mx = 0, my = 0, sxx = 0, sxy = 0;
    for (std::size_t t = 0; t < x.size(); ++t) mx += x[t], my += y[t];
    mx /= m, my /= m;
    for (std::size_t t = 0; t < x.size(); ++t) sxx += (x[t] - mx) * (x[t] - mx), sxy += (x[t] - mx) * (y[t] - my);
    return {sxx / m > 0 ? sxx / m : 0.0, sxy / m, all_equal(x, 0, x.size()), all_equal(y, 0, y.size())};
}

// The slope of the change on the level; a flat level has no variance, equal changes no covariance.
Opt ou_half_life(const Vec& s) {
    Vec x(s.begin(), s.end() - 1), y;
    for (std::size_t t = 0; t + 1 < s.size(); ++t) y.push_back(s[t + 1] - s[t]);
    const Fit f = fit(x, y);
    if (f.var == 0 || f.flat_x) return 0.0;
    const double b = f.flat_y ? 0.0 : f.cov / f.var;
    return b >= 0 ? 0.0 : -0.6931471805599453 / b;
}

// The slope of the next spread on the current one; a flat level has no variance.
Opt ar1(const Vec& s) {
    const Fit f = fit(Vec(s.begin(), s.end() - 1), Vec(s.begin() + 1, s.end()));
    return f.var == 0 || f.flat_x ? 0.0 : f.cov / f.var;
}

Opt hurst(const Vec& s) {
    Vec lx, ly;
    for (std::size_t k = 1; k <= s.size() / 4; ++k) {
        double v = 0;
        for (std::size_t i = 0; i + k < s.size(); ++i) v += (s[i + k] - s[i]) * (s[i + k] - s[i]);
        v /= static_cast<double>(s.size() - k);
        if (v > 0) lx.push_back(std::log(static_cast<double>(k))), ly.push_back(std::log(v));
    }
    if (lx.size() < 2) return 0.5;
    double mx = 0, my = 0, sxx = 0, sxy = 0;
    for (std::size_t j = 0; j < lx.size(); ++j) mx += lx[j], my += ly[j];
    mx /= lx.size(), my /= ly.size();
    for (std::size_t j = 0; j < lx.size(); ++j) sxx += (lx[j] - mx) * (lx[j] - mx), sxy += (lx[j] - mx) * (ly[j] - my);
    return std::clamp(sxy / sxx * 0.5, 0.0, 1.0);
}

Opt variance_ratio(const Vec& s, std::size_t q) {
    Vec r;
    for (std::size_t t = 0; t + 1 < s.size(); ++t) r.push_back(s[t + 1] - s[t]);
    const double m = static_cast<double>(r.size());
    double mu = 0, var1 = 0;
    for (double v : r) mu += v;
    mu /= m;
    for (double v : r) var1 += (v - mu) * (v - mu);
    var1 /= m;
    if (var1 <= 0 || all_equal(r, 0, r.size())) return 1.0;
    double acc = 0, runs = 0;
    for (std::size_t j = 0; j + q <= r.size(); ++j, ++runs) {
        double run = r[j];
        for (std::size_t i = 1; i < q; ++i) run += r[j + i];
        acc += (run - q * mu) * (run - q * mu);
    }
    return acc / runs / (q * var1);
}

// The Bollinger bands as a rebuild leaves them: the window mean K as shift point, then the sums
// of the deviations from K; a constant window is its own middle with no width.
std::array<double, 4> bollinger(const Vec& s, double k) {
    const double n = static_cast<double>(s.size()), x = s.back();
    if (all_equal(s, 0, s.size())) return {x, x, x, 0.5};
    double K = 0, s1 = 0, s2 = 0;
    for (double v : s) K += v;
    K /= n;
    for (double v : s) s1 += v - K, s2 += (v - K) * (v - K);
    const double a = s1 / n, middle = K + a, w = std::sqrt(std::max(s2 / n - a * a, 0.0)) * k;
    const double up = middle + w, lo = middle - w;
    return {middle, up, lo, w == 0 || up - lo == 0 ? 0.5 : (x - lo) / (up - lo)};
}

// ------------------------------------------------------------------ the table

TEST(SpreadDynamicsTest, NumbersAgainstPlainRecomputations) {
    const Pairs d = table_pairs();
    struct Row {
        const char* type;
        Opt (*reference)(const Vec&);
        double tol;
    };
    for (const Row& row : {Row{"OuHalfLife", ou_half_life, 0}, Row{"SpreadAr1Coefficient", ar1, 0},
                           Row{"SpreadHurst", hurst, 1e-12}})
        for (double n : {3.0, 4.0, 8.0, 9.0, 20.0, 57.0}) {
            if (n < 8 && row.type == std::string("SpreadHurst")) continue;
            const PairRun got = run_pairs(row.type, {n}, d);
            test::expect_series(got.values, spread_windows(d, n, row.reference), row.tol, test::describe(row.type, {n}));
            EXPECT_EQ(got.warmup, static_cast<std::uint64_t>(n)) << row.type;
        }
    for (auto [n, q] : {std::pair{4.0, 2.0}, {7.0, 5.0}, {20.0, 4.0}, {60.0, 10.0}})
        test::expect_series(values("VarianceRatio", {n, q}, d),
                            spread_windows(d, n, [q](const Vec& s) { return variance_ratio(s, q); }), 0,
                            test::describe("VarianceRatio", {n, q}));
    // The bands: exact on the bars whose sums were just rebuilt (every n-th accepted spread).
    for (auto [n, k] : {std::pair{2.0, 2.0}, {5.0, 1.5}, {20.0, 2.0}, {33.0, 0.5}}) {
        const PairRun got = run_pairs("SpreadBollingerBands", {n, k}, d);
        std::size_t taken = 0;
        for (std::size_t i = 0; i < d.closes.size(); ++i) {
            if (!d.taken(i)) {
                ASSERT_FALSE(got.values[i]);
                continue;
            }
            ++taken;
            ASSERT_EQ(got.values[i].has_value(), taken >= n) << i;
            if (!got.values[i]) continue;
            Vec s;
            for (std::size_t j = 0, seen = 0; j <= i; ++j)
                if (d.taken(j) && ++seen > taken - static_cast<std::size_t>(n)) s.push_back(d.closes[j] - *d.refs[j]);
            const auto want = bollinger(s, k);
            const bool rebuilt = taken % static_cast<std::size_t>(n) == 0;
            ASSERT_EQ(got.outputs[i].size(), 4u);
            EXPECT_TRUE(test::same_bits(*got.values[i], got.outputs[i][0]));
            for (std::size_t o = 0; o < 4; ++o) {
                if (rebuilt || all_equal(s, 0, s.size())) {
                    ASSERT_TRUE(test::same_bits(got.outputs[i][o], want[o])) << "n " << n << " bar " << i << " output " << o;
                } else {
                    ASSERT_NEAR(got.outputs[i][o], want[o], 1e-9 * std::max(std::fabs(want[o]), 1.0)) << i << " " << o;
                }
            }
        }
    }
}

TEST(SpreadDynamicsTest, RelativeStrengthIsTheAverageAndRsiOfTheRatio) {
    Pairs d = table_pairs();
    d.refs[45] = 0.0, d.refs[46] = -0.0, d.refs[90] = -3.5;  // no ratio; a negative ratio
    Vec ratios;
    for (std::size_t i = 0; i < d.closes.size(); ++i)
        if (d.taken(i) && *d.refs[i] != 0) ratios.push_back(d.closes[i] / *d.refs[i]);
    for (auto [ma, rsi] : {std::pair{10.0, 14.0}, {20.0, 14.0}, {1.0, 1.0}, {3.0, 2.0}}) {
        const PairRun got = run_pairs("RelativeStrengthAB", {ma, rsi}, d);
        const Series sma = test::run_built("Sma", {ma}, ratios), rs = test::run_built("Rsi", {rsi}, ratios);
        EXPECT_EQ(got.warmup, static_cast<std::uint64_t>(std::max(ma, rsi + 1)));
        for (std::size_t i = 0, k = 0; i < d.closes.size(); ++i) {
            const bool takes = d.taken(i) && *d.refs[i] != 0;
            if (!takes || !sma[k] || !rs[k]) {
                ASSERT_FALSE(got.values[i]) << i;
                k += takes;
                continue;
            }
            const Vec want = {ratios[k], *sma[k], *rs[k]};
            ASSERT_TRUE(std::equal(want.begin(), want.end(), got.outputs[i].begin(), got.outputs[i].end(), test::same_bits))
                << "bar " << i;
            ++k;
        }
    }
}

// ------------------------------------------------------------------ degenerate windows

TEST(SpreadDynamicsTest, ConstantSpreadsGiveTheirPromisedValues) {
    // After variation, spreads that stay at 0.1 (close 0.1, reference 0), 0, -1/3 or far from 0:
    // their means miss them by an ulp, so only an exact test of the window gives these values.
    for (auto [close, ref] : {std::pair{0.1, 0.0}, {0.0, 0.0}, {-1.0 / 3.0, 0.0}, {103.7, -1.0 / 3.0}, {1e-300, 0.0}})
        for (double n : {4.0, 8.0, 9.0, 21.0}) {
            Pairs d = pairs(test::varied_closes(37, 3, false), Vec(37, 50.0));
            d.closes.insert(d.closes.end(), 3 * static_cast<std::size_t>(n), close);
            d.refs.insert(d.refs.end(), 3 * static_cast<std::size_t>(n), Opt(ref));
            const double s = close - ref;
            const PairRun ou = run_pairs("OuHalfLife", {n}, d), a = run_pairs("SpreadAr1Coefficient", {n}, d),
                      h = run_pairs("SpreadHurst", {std::max(n, 8.0)}, d), v = run_pairs("VarianceRatio", {n, 2}, d),
                      b = run_pairs("SpreadBollingerBands", {n, 2.5}, d);
            for (std::size_t i = 36 + static_cast<std::size_t>(n); i < d.closes.size(); ++i) {
                ASSERT_EQ(ou.values[i], 0.0) << close << " " << n << " bar " << i;
                ASSERT_EQ(a.values[i], 0.0) << close << " " << n << " bar " << i;
                if (i >= 36 + std::max<std::size_t>(static_cast<std::size_t>(n), 8)) {
                    ASSERT_EQ(h.values[i], 0.5) << close << " " << n;
                }
                ASSERT_EQ(v.values[i], 1.0) << close << " " << n;
                ASSERT_TRUE(b.outputs[i] == (Vec{s, s, s, 0.5})) << close << " " << n << " bar " << i;
            }
        }
    // The worked case: three 0.1s average to 0.10000000000000002, which left the slope at 1.
    EXPECT_EQ(values("SpreadAr1Coefficient", {4}, pairs(Vec(6, 0.1), Vec(6, 0.0))), (Series{N, N, N, 0.0, 0.0, 0.0}));
}

TEST(SpreadDynamicsTest, EqualChangesHaveNoVarianceAndNoReversion) {
    // Spreads s0 + k c whose six changes are the same double but whose mean is not.
    Vec s = {3.0265520870538616};
    for (int k = 0; k < 6; ++k) s.push_back(s.back() + -0.8028962007396125);
    const Pairs d = pairs(s, Vec(s.size(), 0.0));
    EXPECT_EQ(values("VarianceRatio", {7, 2}, d).back(), 1.0);
    EXPECT_EQ(values("VarianceRatio", {7, 5}, d).back(), 1.0);
    // Here the changes' residue around their mean made a half-life of 7e31 bars.
    Vec o = {2.996426953387859};
    for (int k = 0; k < 6; ++k) o.push_back(o.back() + -1.8484536720798035);
    EXPECT_EQ(values("OuHalfLife", {7}, pairs(o, Vec(o.size(), 0.0))).back(), 0.0);
    // Steps of 0.5 from 1: exact arithmetic gives the same without help.
    const Pairs steps = pairs({1, 1.5, 2, 2.5, 3, 3.5, 4}, Vec(7, 0.0));
    EXPECT_EQ(values("VarianceRatio", {7, 3}, steps).back(), 1.0);
    EXPECT_EQ(values("OuHalfLife", {5}, steps).back(), 0.0);
}

// ------------------------------------------------------------------ worked cases

TEST(SpreadDynamicsTest, WorkedCases) {
    // An alternating spread: slope of the change on the level -2, so ln 2 / 2; AR(1) -1.
    const Pairs alt = pairs({11, 9, 11, 9, 11, 9, 11}, Vec(7, 10.0));
    EXPECT_EQ(values("OuHalfLife", {5}, alt).back(), 0.6931471805599453 / 2);
    EXPECT_EQ(values("SpreadAr1Coefficient", {5}, alt).back(), -1.0);
    // q = 2, period 4: changes 1, 2, 1 (m = q + 1), two runs of 3 around q mu = 8/3: 0.25.
    EXPECT_NEAR(*values("VarianceRatio", {4, 2}, pairs({0, 1, 3, 4}, Vec(4, 0.0))).back(), 0.25, 1e-15);
    // Period 8 uses lags 1 and 2 only: a spread whose lag 3 would pull the slope down.
    const Vec h8 = {0, 1, 2, 3, 0, 1, 2, 3};
    EXPECT_NEAR(*values("SpreadHurst", {8}, pairs(h8, Vec(8, 0.0))).back(),
                0.5 * std::log((1 + 1 + 1 + 9 + 1 + 1 + 1) / 7.0 / ((4 + 4 + 4 + 4 + 4 + 4) / 6.0)) / std::log(0.5),
                1e-12);
    // The bands give the middle; bands that coincide although the width is positive give 0.5.
    const PairRun b = run_pairs("SpreadBollingerBands", {3, 5e-324}, pairs({1, 2, 4}, {0, 0, 0}));
    EXPECT_EQ(b.outputs.back(), (Vec{7.0 / 3.0, 7.0 / 3.0, 7.0 / 3.0, 0.5}));
    EXPECT_EQ(*b.values.back(), 7.0 / 3.0);
    const PairRun b2 = run_pairs("SpreadBollingerBands", {2, 1}, pairs({5, 3}, {1, 0}));
    EXPECT_EQ(b2.outputs.back(), (Vec{3.5, 4.0, 3.0, 0.0}));
    // A negative reference still forms the ratio; a zero reference gives nothing and feeds nothing.
    const PairRun rs = run_pairs("RelativeStrengthAB", {1, 1}, pairs({4, 6, 6, 3}, {2, -3, 0, -1}));
    EXPECT_EQ(rs.values, (Series{N, -2.0, N, -3.0}));
    EXPECT_EQ(rs.outputs.back(), (Vec{-3.0, -3.0, 0.0}));
}

// ------------------------------------------------------------------ refused inputs

TEST(SpreadDynamicsTest, OverflowingSpreadsAndRatiosAreRefused) {
    // A spread of 1e308 - (-1e308), a ratio of 1e10 / 1e-300: nothing changes, so the bars around
    // give what the series without them gives.
    const Pairs base = table_pairs();
    for (auto [type, params, close, ref] :
         {std::tuple{"OuHalfLife", Vec{9}, 1e308, -1e308}, {"SpreadAr1Coefficient", Vec{9}, -1.5e308, 1e308},
          {"SpreadHurst", Vec{16}, 1e308, -1e308}, {"VarianceRatio", Vec{12, 3}, 1e308, -1e308},
          {"SpreadBollingerBands", Vec{10, 2}, 1e308, -1e308}, {"RelativeStrengthAB", Vec{5, 4}, 1e10, 1e-300}})
        for (std::size_t at : {5u, 120u, 433u}) {
            Pairs with = base;
            with.closes.insert(with.closes.begin() + at, close);
            with.refs.insert(with.refs.begin() + at, Opt(ref));
            const PairRun a = run_pairs(type, params, base), b = run_pairs(type, params, with);
            EXPECT_FALSE(b.values[at]) << type;
            for (std::size_t i = 0; i < base.closes.size(); ++i) {
                const std::size_t j = i < at ? i : i + 1;
                ASSERT_TRUE(a.values[i] == b.values[j] && a.outputs[i] == b.outputs[j]) << type << " at " << at << " bar " << i;
            }
        }
}

TEST(SpreadDynamicsTest, WindowsGrowWithTheData) {
    // Legal lengths far beyond 600 bars cost memory for the bars seen and give no value.
    const Pairs d = pairs(test::varied_closes(600, 8, false), Vec(600, 7.0));
    for (auto [type, params] : {std::pair{"OuHalfLife", Vec{16777216}}, {"SpreadAr1Coefficient", Vec{16777216}},
                                {"SpreadHurst", Vec{16777216}}, {"VarianceRatio", Vec{1e300, 16777216}},
                                {"VarianceRatio", Vec{1e300, 2}}, {"SpreadBollingerBands", Vec{16777216, 2}},
                                {"RelativeStrengthAB", Vec{16777216, 16777216}}}) {
        const PairRun r = run_pairs(type, params, d);
        EXPECT_EQ(test::first_value_bar(r.values), 0u) << type;
    }
    EXPECT_EQ(run_pairs("VarianceRatio", {1e300, 2}, d).warmup, std::numeric_limits<std::uint64_t>::max());
}

}  // namespace
}  // namespace prynox
