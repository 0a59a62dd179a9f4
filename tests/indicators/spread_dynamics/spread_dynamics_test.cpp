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

using test::pairs;
using test::PairRun;
using test::Pairs;
using test::run_pairs;
using test::Series;
using Vec = std::vector<double>;
using Opt = std::optional<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Opt N = std::nullopt;

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

// ------------------------------------------------------------------ plain recomputations

bool all_equal(const Vec& v) { return std::all_of(v.begin(), v.end(), [&](double x) { return x == v[0]; }); }

// The slope of y on x: centred sums, the means summed in order; a flat x has no variance, and
// where asked a constant y no covariance (compared exactly).
double slope(const Vec& x, const Vec& y, bool flat_y_is_zero) {
    const double m = static_cast<double>(x.size());
    double mx = 0, my = 0, sxx = 0, sxy = 0;
    for (std::size_t t = 0; t < x.size(); ++t) mx += x[t], my += y[t];
    mx /= m, my /= m;
    for (std::size_t t = 0; t < x.size(); ++t) sxx += (x[t] - mx) * (x[t] - mx), sxy += (x[t] - mx) * (y[t] - my);
    return !(sxx / m > 0) || all_equal(x) || (flat_y_is_zero && all_equal(y)) ? 0.0 : sxy / m / (sxx / m);
}

Vec changes(const Vec& s) {
    Vec r;
    for (std::size_t t = 0; t + 1 < s.size(); ++t) r.push_back(s[t + 1] - s[t]);
    return r;
}

// The slope of the change on the level, as a half-life; of the next spread on the current one.
double ou_half_life(const Vec& s) {
    const double b = slope(Vec(s.begin(), s.end() - 1), changes(s), true);
    return b >= 0 ? 0.0 : -0.6931471805599453 / b;
}
double ar1(const Vec& s) { return slope(Vec(s.begin(), s.end() - 1), Vec(s.begin() + 1, s.end()), false); }

double hurst(const Vec& s) {
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

double variance_ratio(const Vec& s, std::size_t q) {
    const Vec r = changes(s);
    const double m = static_cast<double>(r.size());
    double mu = 0, var1 = 0, acc = 0, runs = 0;
    for (double v : r) mu += v;
    mu /= m;
    for (double v : r) var1 += (v - mu) * (v - mu);
    if ((var1 /= m) <= 0 || all_equal(r)) return 1.0;
    for (std::size_t j = 0; j + q <= r.size(); ++j, ++runs) {
        double run = r[j];
        for (std::size_t i = 1; i < q; ++i) run += r[j + i];
        acc += (run - q * mu) * (run - q * mu);
    }
    return acc / runs / (q * var1);
}

// The Bollinger bands as a rebuild leaves them: the window mean K as shift point, then the sums
// of the deviations from K; a constant window is its own middle with no width.
Vec bollinger(const Vec& s, double k) {
    const double n = static_cast<double>(s.size()), x = s.back();
    if (all_equal(s)) return {x, x, x, 0.5};
    double K = 0, s1 = 0, s2 = 0;
    for (double v : s) K += v;
    K /= n;
    for (double v : s) s1 += v - K, s2 += (v - K) * (v - K);
    const double a = s1 / n, middle = K + a, w = std::sqrt(std::max(s2 / n - a * a, 0.0)) * k;
    const double up = middle + w, lo = middle - w;
    return {middle, up, lo, w == 0 || up - lo == 0 ? 0.5 : (x - lo) / (up - lo)};
}

// ------------------------------------------------------------------ the table

template <class F>
void expect_spreads(const std::string& type, const Vec& params, std::size_t n, const Pairs& d, F f, double tol = 0,
                    bool resummed = false) {
    test::expect_pair_windows(type, params, n, d, [f](const Vec& c, const Vec& r) {
        Vec s;
        for (std::size_t i = 0; i < c.size(); ++i) s.push_back(c[i] - r[i]);
        return f(s);
    }, [tol, n, resummed](std::size_t taken, const Vec& c, const Vec& r) {
        // Resummed bands are exact on the bars their sums were just rebuilt (every n-th spread)
        // and on a constant window.
        bool flat = true;
        for (std::size_t i = 0; i < c.size(); ++i) flat &= c[i] - r[i] == c[0] - r[0];
        return resummed && (taken % n == 0 || flat) ? 0.0 : tol;
    });
}

TEST(SpreadDynamicsTest, NumbersAgainstPlainRecomputations) {
    const Pairs d = table_pairs();
    for (double n : {3.0, 4.0, 8.0, 9.0, 20.0, 57.0}) {
        const auto size = static_cast<std::size_t>(n);
        expect_spreads("OuHalfLife", {n}, size, d, [](const Vec& s) { return Vec{ou_half_life(s)}; });
        expect_spreads("SpreadAr1Coefficient", {n}, size, d, [](const Vec& s) { return Vec{ar1(s)}; });
        if (n >= 8) expect_spreads("SpreadHurst", {n}, size, d, [](const Vec& s) { return Vec{hurst(s)}; }, 1e-12);
    }
    for (auto [n, q] : {std::pair{4.0, 2.0}, {7.0, 5.0}, {20.0, 4.0}, {60.0, 10.0}})
        expect_spreads("VarianceRatio", {n, q}, std::size_t(n), d, [q](const Vec& s) { return Vec{variance_ratio(s, std::size_t(q))}; });
    for (auto [n, k] : {std::pair{2.0, 2.0}, {5.0, 1.5}, {20.0, 2.0}, {33.0, 0.5}})
        expect_spreads("SpreadBollingerBands", {n, k}, std::size_t(n), d, [k](const Vec& s) { return bollinger(s, k); }, 1e-9, true);
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
        for (std::size_t i = 0, k = 0; i < d.closes.size(); ++i) {
            const bool takes = d.taken(i) && *d.refs[i] != 0, gives = takes && sma[k] && rs[k];
            ASSERT_EQ(got.values[i].has_value(), gives) << i;
            ASSERT_TRUE(!gives || std::ranges::equal(got.outputs[i], Vec{ratios[k], *sma[k], *rs[k]}, test::same_bits)) << i;
            k += takes;
        }
    }
}

// After variation, spreads that stay at 0.1 (close 0.1, reference 0), 0, -1/3 or far from 0:
// their means miss them by an ulp, so only an exact test of the window gives these values.
TEST(SpreadDynamicsTest, ConstantSpreadsGiveTheirPromisedValues) {
    for (auto [close, ref] : {std::pair{0.1, 0.0}, {0.0, 0.0}, {-1.0 / 3.0, 0.0}, {103.7, -1.0 / 3.0}, {1e-300, 0.0}})
        for (double n : {4.0, 8.0, 9.0, 21.0}) {
            const auto size = static_cast<std::size_t>(n), last = 2 * size + 1;  // the bars whose windows are flat
            Pairs d = pairs(test::varied_closes(37, 3, false), Vec(37, 50.0));
            d.closes.insert(d.closes.end(), 3 * size, close), d.refs.insert(d.refs.end(), 3 * size, Opt(ref));
            const double s = close - ref;
            test::expect_pair_pins({{"OuHalfLife", {n}, d, Series(last, 0.0)}, {"SpreadAr1Coefficient", {n}, d, Series(last, 0.0)},
                                    {"SpreadHurst", {std::max(n, 8.0)}, d, Series(3 * size - std::max<std::size_t>(size, 8) + 1, 0.5)},
                                    {"VarianceRatio", {n, 2}, d, Series(last, 1.0)}});
            const PairRun b = run_pairs("SpreadBollingerBands", {n, 2.5}, d);
            for (std::size_t i = d.closes.size() - last; i < d.closes.size(); ++i) ASSERT_EQ(b.outputs[i], (Vec{s, s, s, 0.5})) << i;
        }
}

TEST(SpreadDynamicsTest, WorkedCases) {
    // Spreads s0 + k c whose six changes are the same double but whose mean is not; there the
    // changes' residue around their mean made a half-life of 7e31 bars.
    Vec s = {3.0265520870538616}, o = {2.996426953387859};
    for (int k = 0; k < 6; ++k) s.push_back(s.back() + -0.8028962007396125), o.push_back(o.back() + -1.8484536720798035);
    test::expect_pair_pins({
        {"VarianceRatio", {7, 2}, pairs(s, Vec(7, 0.0)), {1.0}},
        {"VarianceRatio", {7, 5}, pairs(s, Vec(7, 0.0)), {1.0}},
        {"OuHalfLife", {7}, pairs(o, Vec(7, 0.0)), {0.0}},
        // Three 0.1s average to 0.10000000000000002, which left the slope at 1.
        {"SpreadAr1Coefficient", {4}, pairs(Vec(6, 0.1), Vec(6, 0.0)), {N, N, N, 0.0, 0.0, 0.0}},
        // Only lag 1 moves (lag 2 gives no variance): one point is no slope.
        {"SpreadHurst", {8}, pairs({0, 1, 0, 1, 0, 1, 0, 1}, Vec(8, 0.0)), {0.5}},
    });
    // A change of the ratio beyond the doubles (9e307 after -9e307) is refused by the RSI, whose
    // next change is taken from it: equal ratios after it are a flat RSI of 50.
    Vec ratios = {-9e307};
    ratios.insert(ratios.end(), 8, 9e307);
    EXPECT_EQ(run_pairs("RelativeStrengthAB", {1, 2}, pairs(ratios, Vec(9, 1.0))).outputs.back(), (Vec{9e307, 9e307, 50.0}));
    // Bands that coincide although the width is positive give 0.5.
    EXPECT_EQ(run_pairs("SpreadBollingerBands", {3, 5e-324}, pairs({1, 2, 4}, {0, 0, 0})).outputs.back(),
              (Vec{7.0 / 3.0, 7.0 / 3.0, 7.0 / 3.0, 0.5}));
}

// A spread of 1e308 - (-1e308), a ratio of 1e10 / 1e-300: refused, the windows growing with the data.
TEST(SpreadDynamicsTest, OverflowsAreRefusedAndWindowsGrowWithTheData) {
    for (auto [type, params, close, ref] :
         {std::tuple{"OuHalfLife", Vec{9}, 1e308, -1e308}, {"SpreadAr1Coefficient", Vec{9}, -1.5e308, 1e308},
          {"SpreadHurst", Vec{16}, 1e308, -1e308}, {"VarianceRatio", Vec{12, 3}, 1e308, -1e308},
          {"SpreadBollingerBands", Vec{10, 2}, 1e308, -1e308}, {"RelativeStrengthAB", Vec{5, 4}, 1e10, 1e-300}})
        for (std::size_t at : {5u, 120u, 433u}) test::expect_spliced(type, params, table_pairs(), at, pairs({close}, {ref}));
    test::expect_lengths_beyond({{"OuHalfLife", {16777216}, 0}, {"SpreadAr1Coefficient", {16777216}, 0},
                                 {"SpreadHurst", {16777216}, 0}, {"VarianceRatio", {1e300, 16777216}, 0},
                                 {"VarianceRatio", {1e300, 2}, std::numeric_limits<std::uint64_t>::max()},
                                 {"SpreadBollingerBands", {16777216, 2}, 0}, {"RelativeStrengthAB", {16777216, 16777216}, 0}},
                                pairs(test::varied_closes(600, 8, false), Vec(600, 7.0)));
}

}  // namespace
}  // namespace prynox
