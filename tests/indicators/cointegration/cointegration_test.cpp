// The cointegration and causality models, built from the registry and fed closes with a reference
// series: the window models against least-squares fits written here by modified Gram-Schmidt QR
// (not the normal equations) on well-conditioned data, within 1e-9; the Kalman filter against its
// textbook matrix form; the two solvers on their thresholds, the missing row exchanges and the
// tie rule; degenerate windows, pairs the models cannot take, and lengths far beyond the data.
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
#include "indicators/cointegration/kalman_hedge_ratio.hpp"
#include "indicators/cointegration/linear_solvers.hpp"
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
const auto exact_to = [](double tol) { return [tol](std::size_t, const Vec&, const Vec&) { return tol; }; };

// A reference walk from 100 and a close 5 + 1.5 reference plus a stationary AR(1) gap; or (caused)
// a stationary reference and a close driven by its own lag and the reference's two lags. Gaps of
// either series at a few bars.
Pairs cointegrated(std::size_t n, std::uint64_t seed, bool caused = false) {
    Pairs d;
    double r = caused ? 0 : 100, r1 = 0, c = 0, u = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double r2 = r1;
        r1 = r;
        if (caused) r = 0.5 * r + test::unit(seed), c = 10 + 0.5 * c + 0.8 * r1 - 0.3 * r2 + 0.5 * test::unit(seed);
        else r += test::unit(seed), u = 0.6 * u + 0.8 * test::unit(seed), c = 5 + 1.5 * r + u;
        d.closes.push_back(i % 67 == 40 ? (i % 2 ? kNaN : INFINITY) : c);
        d.refs.push_back(i % 59 == 23 ? Opt(kNaN) : i % 47 == 11 ? N : Opt(r));
    }
    return d;
}

// ------------------------------------------------------------------ least squares by QR

struct LeastSquares {
    bool ok = false;
    Vec b;
    double rss = 0;
    double inv00 = 0;  // the first diagonal entry of (X'X)^-1
};

// Modified Gram-Schmidt on the columns of X (given by rows).
LeastSquares least_squares(const std::vector<Vec>& x, const Vec& y) {
    const std::size_t n = x.size(), k = x[0].size();
    std::vector<Vec> q(k, Vec(n));
    std::vector<Vec> r(k, Vec(k, 0.0));
    LeastSquares out;
    for (std::size_t j = 0; j < k; ++j) {
        for (std::size_t t = 0; t < n; ++t) q[j][t] = x[t][j];
        for (std::size_t i = 0; i < j; ++i) {
            for (std::size_t t = 0; t < n; ++t) r[i][j] += q[i][t] * q[j][t];
            for (std::size_t t = 0; t < n; ++t) q[j][t] -= r[i][j] * q[i][t];
        }
        for (std::size_t t = 0; t < n; ++t) r[j][j] += q[j][t] * q[j][t];
        r[j][j] = std::sqrt(r[j][j]);
        if (!(r[j][j] > 1e-9)) return out;
        for (std::size_t t = 0; t < n; ++t) q[j][t] /= r[j][j];
    }
    out.b.assign(k, 0.0);
    for (std::size_t i = k; i-- > 0;) {
        double s = 0;
        for (std::size_t t = 0; t < n; ++t) s += q[i][t] * y[t];
        for (std::size_t j = i + 1; j < k; ++j) s -= r[i][j] * out.b[j];
        out.b[i] = s / r[i][i];
    }
    for (std::size_t t = 0; t < n; ++t) {
        double e = y[t];
        for (std::size_t j = 0; j < k; ++j) e -= x[t][j] * out.b[j];
        out.rss += e * e;
    }
    // Row 0 of R^-1: (X'X)^-1 = R^-1 R^-T.
    Vec row(k, 0.0);
    for (std::size_t j = 0; j < k; ++j) {
        double s = j == 0 ? 1.0 : 0.0;
        for (std::size_t i = 0; i < j; ++i) s -= row[i] * r[i][j];
        row[j] = s / r[j][j];
        out.inv00 += row[j] * row[j];
    }
    out.ok = true;
    return out;
}

// ------------------------------------------------------------------ plain models

// Hedge ratio, spread and ADF statistic of a window of (close, reference).
std::array<double, 3> cointegration(const Vec& c, const Vec& r, std::size_t lags) {
    std::vector<Vec> x;
    for (double v : r) x.push_back({1.0, v});
    const LeastSquares hedge = least_squares(x, c);
    Vec e;
    for (std::size_t i = 0; i < c.size(); ++i) e.push_back(c[i] - (hedge.b[0] + hedge.b[1] * r[i]));
    std::vector<Vec> rows;
    Vec dy;
    for (std::size_t t = lags + 1; t < e.size(); ++t) {
        Vec row = {e[t - 1]};
        for (std::size_t j = 1; j <= lags; ++j) row.push_back(e[t - j] - e[t - j - 1]);
        rows.push_back(row), dy.push_back(e[t] - e[t - 1]);
    }
    const LeastSquares adf = least_squares(rows, dy);
    const double dof = static_cast<double>(rows.size() - (lags + 1));
    return {hedge.b[1], e.back(), adf.ok ? adf.b[0] / std::sqrt(adf.rss / dof * adf.inv00) : 0.0};
}

double granger(const Vec& c, const Vec& r, std::size_t p) {
    std::vector<Vec> restricted, full;
    Vec y;
    for (std::size_t t = p; t < c.size(); ++t) {
        Vec row = {1.0};
        for (std::size_t j = 1; j <= p; ++j) row.push_back(c[t - j]);
        restricted.push_back(row);
        for (std::size_t j = 1; j <= p; ++j) row.push_back(r[t - j]);
        full.push_back(row), y.push_back(c[t]);
    }
    const LeastSquares a = least_squares(restricted, y), b = least_squares(full, y);
    const double f = ((a.rss - b.rss) / p) / (b.rss / static_cast<double>(y.size() - (2 * p + 1)));
    return a.ok && b.ok && f > 0 ? f : 0.0;
}

double information_share(const Vec& c, const Vec& r) {
    std::vector<Vec> x;
    Vec dc, dr;
    for (std::size_t t = 2; t < c.size(); ++t) {
        x.push_back({1.0, c[t - 1] - r[t - 1], c[t - 1] - c[t - 2], r[t - 1] - r[t - 2]});
        dc.push_back(c[t] - c[t - 1]), dr.push_back(r[t] - r[t - 1]);
    }
    const LeastSquares fc = least_squares(x, dc), fr = least_squares(x, dr);
    if (!fc.ok || !fr.ok) return 0.5;
    double scc = 0, srr = 0, scr = 0;
    for (std::size_t t = 0; t < x.size(); ++t) {
        double ec = dc[t], er = dr[t];
        for (std::size_t j = 0; j < 4; ++j) ec -= x[t][j] * fc.b[j], er -= x[t][j] * fr.b[j];
        scc += ec * ec, srr += er * er, scr += ec * er;
    }
    const double n = static_cast<double>(x.size());
    scc /= n, srr /= n, scr /= n;
    const double ac = fc.b[1], ar = fr.b[1];
    const double d = ar * ar * scc - 2 * ar * ac * scr + ac * ac * srr;
    if (scc <= 0 || srr <= 0 || d <= 0) return 0.5;
    const double a = ar * std::sqrt(scc) - ac * scr / std::sqrt(scc), b = ar * scr / std::sqrt(srr) - ac * std::sqrt(srr);
    return (std::min(a * a / d, 1.0) + std::clamp(1 - b * b / d, 0.0, 1.0)) / 2;
}

// Correlation from the raw sums of the values less the first ones, a different rounding from the
// centred sums.
double correlation(const double* xs, const double* ys, std::size_t w) {
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (std::size_t i = 0; i < w; ++i) {
        const double x = xs[i] - xs[0], y = ys[i] - ys[0];
        sx += x, sy += y, sxx += x * x, syy += y * y, sxy += x * y;
    }
    const double n = static_cast<double>(w), vx = sxx / n - (sx / n) * (sx / n), vy = syy / n - (sy / n) * (sy / n);
    if (!(vx > 0) || !(vy > 0)) return 0.0;
    return std::clamp((sxy / n - (sx / n) * (sy / n)) / std::sqrt(vx * vy), -1.0, 1.0);
}

double lead_lag(const Vec& c, const Vec& r, std::size_t w, std::size_t m) {
    double best = correlation(&c[m], &r[m], w);
    for (std::size_t k = 1; k <= m; ++k)
        for (double v : {correlation(&c[m], &r[m - k], w), correlation(&c[m], &r[m + k], w)})
            if (std::fabs(v) > std::fabs(best)) best = v;
    return best;
}

// ------------------------------------------------------------------ the window models

TEST(CointegrationTest, WindowModelsAgainstLeastSquaresByQr) {
    for (auto [n, lags] : {std::pair{6.0, 1.0}, {8.0, 2.0}, {30.0, 1.0}, {60.0, 3.0}, {4.0, 0.0}, {100.0, 2.0}})
        test::expect_pair_windows("Cointegration", {n, lags == 0 ? 1e-17 : lags}, std::size_t(n), cointegrated(400, 3 + std::uint64_t(n)),
                                  [lags](const Vec& c, const Vec& r) {
                                      const auto v = cointegration(c, r, static_cast<std::size_t>(lags));
                                      return Vec(v.begin(), v.end());
                                  }, exact_to(1e-9));
    for (auto [n, lag] : {std::pair{5.0, 1.0}, {20.0, 2.0}, {11.0, 3.0}, {100.0, 4.0}})
        test::expect_pair_windows("GrangerCausality", {n, lag}, std::size_t(n), cointegrated(400, 11 + std::uint64_t(n), true),
                                  [lag](const Vec& c, const Vec& r) { return Vec{granger(c, r, std::size_t(lag))}; },
                                  exact_to(1e-9));
    for (double n : {6.0, 20.0, 100.0})
        test::expect_pair_windows("HasbrouckInformationShare", {n}, std::size_t(n) + 2, cointegrated(400, 23 + std::uint64_t(n)),
                                  [](const Vec& c, const Vec& r) { return Vec{information_share(c, r)}; }, exact_to(1e-9));
    for (auto [w, m] : {std::pair{3.0, 1.0}, {20.0, 3.0}, {50.0, 5.0}, {100.0, 10.0}})
        test::expect_pair_windows("LeadLagCrossCorrelation", {w, m}, std::size_t(w + 2 * m), cointegrated(400, 31 + std::uint64_t(w)),
                                  [w, m](const Vec& c, const Vec& r) { return Vec{lead_lag(c, r, std::size_t(w), std::size_t(m))}; },
                                  exact_to(1e-9));
}

// ------------------------------------------------------------------ the Kalman filter

TEST(CointegrationTest, KalmanFilterAgainstItsMatrixForm) {
    const Pairs d = cointegrated(500, 41);
    for (auto [delta, var] : {std::pair{1e-4, 1.0}, {0.5, 1e-3}, {1e-6, 10.0}}) {
        const PairRun got = run_pairs("KalmanHedgeRatio", {delta, var}, d);
        // theta = (hedge, intercept), h = (x, 1): P += Q after the first bar; S = h'Ph + R;
        // K = Ph / S; theta += K e; P -= K (h'P).
        double theta[2] = {0, 0}, p[2][2] = {{0, 0}, {0, 0}}, q = 0;  // no state noise before the first bar
        for (std::size_t i = 0; i < d.closes.size(); ++i) {
            ASSERT_EQ(got.values[i].has_value(), d.taken(i)) << i;
            if (!d.taken(i)) continue;
            const double x = *d.refs[i], y = d.closes[i], h[2] = {x, 1.0};
            p[0][0] += q, p[1][1] += q, q = delta / (1 - delta);
            double ph[2], hp[2], s = var;
            for (int a = 0; a < 2; ++a) ph[a] = p[a][0] * h[0] + p[a][1] * h[1], hp[a] = h[0] * p[0][a] + h[1] * p[1][a];
            s += h[0] * ph[0] + h[1] * ph[1];
            const double e = y - (theta[0] * x + theta[1]);
            for (int a = 0; a < 2; ++a) {
                theta[a] += ph[a] / s * e;
                for (int b = 0; b < 2; ++b) p[a][b] -= ph[a] / s * hp[b];
            }
            const Vec want = {theta[0], theta[1], e};
            for (int o = 0; o < 3; ++o)
                ASSERT_NEAR(got.outputs[i][o], want[o], 1e-9 * std::max(std::fabs(want[o]), 1.0)) << i << " " << o;
        }
    }
}

// A step whose innovation variance is not finite (a reference of 1e160 squares beyond the largest
// double), or whose innovation is not (1.7e308 against a prediction of -1.7e308), gives no value
// and the filter goes on as if the bar had not come; so does a gap close - reference beyond the
// largest double in the error-correction fits. On the first bar the covariance is 0: any x is fine.
TEST(CointegrationTest, PairsTheModelsCannotTakeChangeNothing) {
    for (auto [close, ref] : {std::pair{100.0, 1e160}, {1.7e308, -8.5e307}, {-1.7e308, 1e200}})
        for (std::size_t at : {1u, 60u, 150u}) test::expect_spliced("KalmanHedgeRatio", {1e-3, 1}, cointegrated(200, 5), at, pairs({close}, {ref}));
    for (auto [close, ref] : {std::pair{1.7e308, -1.7e308}, {-1e308, 1e308}})
        for (std::size_t at : {0u, 3u, 50u})
            test::expect_spliced("HasbrouckInformationShare", {6}, cointegrated(120, 8), at, pairs({close}, {ref}));
    // Changes beyond the doubles (-1e308 to 1e308 in both) are refused; the next are taken from
    // that pair, and the bar after it forms no row (its lagged changes are the refused ones):
    // rows from the fourth pair on, six of them on the ninth. No change at all: the fits are
    // singular, 0.5.
    Vec jump = {-1e308};
    jump.insert(jump.end(), 9, 1e308);
    const Series share = run_pairs("HasbrouckInformationShare", {6}, pairs(jump, jump)).values;
    EXPECT_EQ(test::first_value_bar(share), 9u);
    EXPECT_EQ(share.back(), 0.5);
}

// ------------------------------------------------------------------ degenerate windows and worked cases

TEST(CointegrationTest, DegenerateWindowsAndWorkedCases) {
    const auto varied = [](std::size_t n, std::uint64_t seed) { return test::varied_closes(n, seed, false); };
    const auto then = [](Vec v, std::size_t n, double level) { return v.insert(v.end(), n, level), v; };
    // A constant reference: hedge ratio 0, spread = close - mean close; the ADF fit still runs.
    const Vec closes = varied(40, 9);
    const PairRun flat = run_pairs("Cointegration", {10, 1}, pairs(closes, Vec(40, 3.0)));
    double mean = 0;
    for (std::size_t i = 30; i < 40; ++i) mean += closes[i];
    EXPECT_EQ(flat.outputs.back()[0], 0.0);
    EXPECT_NEAR(flat.outputs.back()[1], closes.back() - mean / 10, 1e-12);
    // A reference constant after variation: the moments' residue is no hedge ratio.
    const PairRun after = run_pairs("Cointegration", {10, 1}, pairs(closes, then(varied(20, 4), 20, 0.1)));
    for (std::size_t i = 29; i < 40; ++i) ASSERT_EQ(after.outputs[i][0], 0.0) << i;
    // A constant close gives no correlation at any lead or lag (its mean misses it by an ulp).
    for (double level : {0.1, -1.0 / 3.0, 103.7})
        test::expect_pair_pins({{"LeadLagCrossCorrelation", {8, 3}, pairs(then(varied(30, 2), 40, level), varied(70, 6)), Series(26, 0.0)}});
    // Closes equal to the reference two bars earlier: a perfect correlation at d = -2.
    Vec r = varied(80, 12), c(2, 100.0), same = varied(40, 3), gr = varied(60, 21), gc = {0.0};
    c.insert(c.end(), r.begin(), r.end() - 2);
    EXPECT_NEAR(*run_pairs("LeadLagCrossCorrelation", {20, 3}, pairs(c, r)).values.back(), 1.0, 1e-15);
    // A close that is exactly the previous reference: the unrestricted Granger fit leaves (almost)
    // nothing, the restricted one a lot.
    gc.insert(gc.end(), gr.begin(), gr.end() - 1);
    EXPECT_GT(*run_pairs("GrangerCausality", {30, 1}, pairs(gc, gr)).values.back(), 1e10);
    test::expect_pair_pins({
        // Equal magnitudes at d = -1 (+1) and d = +1 (-1), none at d = 0: the earlier candidate stays.
        {"LeadLagCrossCorrelation", {4, 1}, pairs({0, 1, 2, -1, -2, 0}, {1, 2, -1, -2, 1, 2}), {1.0}},
        // References constant over the whole ring (after variation) correlate with nothing.
        {"LeadLagCrossCorrelation", {10, 1}, pairs(varied(52, 1), then(varied(40, 13), 12, 0.1)), {0.0}},
        // Identical series: the error-correction fits are singular, 0.5. A reference of zeros
        // makes the unrestricted Granger fit singular: 0.
        {"HasbrouckInformationShare", {6}, pairs(same, same), {0.5}},
        {"GrangerCausality", {8, 2}, pairs(same, Vec(40, 0.0)), {0.0}},
    });
}

TEST(CointegrationTest, LengthsFarBeyondTheDataGrowWithIt) {
    const std::uint64_t top = std::numeric_limits<std::uint64_t>::max();
    test::expect_lengths_beyond({{"Cointegration", {1e300, 1}, top}, {"Cointegration", {16777216, 1e-17}, 16777216},
                                 {"GrangerCausality", {1e300, 3}, top}, {"HasbrouckInformationShare", {16777216}, 16777218},
                                 {"LeadLagCrossCorrelation", {2, 1e300}, top},
                                 {"LeadLagCrossCorrelation", {16777216, 8388608}, 33554432}},
                                cointegrated(600, 2));
    EXPECT_EQ(run_pairs("LeadLagCrossCorrelation", {20, 5}, cointegrated(10, 2)).warmup, 30u);
}

// ------------------------------------------------------------------ the solvers

TEST(CointegrationTest, SolversKeepTheirThresholdsAndRowOrder) {
    // No row exchanges: a zero first pivot is singular even for an invertible matrix; the
    // threshold is absolute and 1e-12 itself passes.
    Vec a = {0, 1, 1, 0}, r = {1, 2};
    EXPECT_FALSE(solve_linear_system(a, 2, r, 1));
    a = {1e-12, 0, 0, 1}, r = {1e-12, 3};
    ASSERT_TRUE(solve_linear_system(a, 2, r, 1));
    EXPECT_EQ(r, (Vec{1.0, 3.0}));
    a = {std::nextafter(1e-12, 0.0), 0, 0, 1}, r = {1, 1};
    EXPECT_FALSE(solve_linear_system(a, 2, r, 1));
    // The 4 x 4 pivots, so the same zero pivot is no trouble; among equal magnitudes the later
    // row is the pivot (the earlier would give -1.9860212436178286 and 1.0552034899330551).
    std::array<double, 16> p = {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::array<double, 4> pr = {1, 2, 3, 4}, pb{};
    ASSERT_TRUE(solve_linear_4x4(p, pr, pb));
    EXPECT_EQ(pb, (std::array<double, 4>{2, 1, 3, 4}));
    p = {1.0, 0.56, -2.22, 2.5, -1.0, 0.75, -2.61, -2.92, -1.0, -1.44, -1.59, 2.97, -1.0, 0.25, 0.3, -0.62};
    pr = {2.17, -1.61, -2.09, 2.56};
    ASSERT_TRUE(solve_linear_4x4(p, pr, pb));
    EXPECT_EQ(pb, (std::array<double, 4>{-1.9860212436178277, 4.806273943728194, 1.055203489933055, 1.5228238331125687}));
    p = {1, 2, 0, 0, 2, 4, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_FALSE(solve_linear_4x4(p, pr, pb));
}

}  // namespace
}  // namespace prynox
