// The shifted moment window of the pair types against direct window formulas: exact on the bars
// whose sums were just rebuilt about the window's means, close elsewhere; a series that turns
// constant gives a variance and a covariance of exactly 0; pairs whose moments cannot be finite
// are refused with nothing changed; the storage grows with the data.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "indicators/cores/pair_moment_window.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::same_bits;
using Vec = std::vector<double>;

// The moments of x[t-n+1..t], y[..] as the sums stand right after a rebuild: deviations from the
// plain means, summed oldest first.
PairMoments direct(const Vec& x, const Vec& y, std::size_t t, std::size_t n) {
    const double nd = static_cast<double>(n);
    double mx = 0.0, my = 0.0, sx = 0.0, sy = 0.0, sxx = 0.0, syy = 0.0, sxy = 0.0;
    for (std::size_t i = t + 1 - n; i <= t; ++i) mx += x[i], my += y[i];
    mx /= nd, my /= nd;
    for (std::size_t i = t + 1 - n; i <= t; ++i) {
        const double dx = x[i] - mx, dy = y[i] - my;
        sx += dx, sy += dy, sxx += dx * dx, syy += dy * dy, sxy += dx * dy;
    }
    const double ax = sx / nd, ay = sy / nd, vx = sxx / nd - ax * ax, vy = syy / nd - ay * ay;
    return {mx + ax, my + ay, vx > 0.0 ? vx : 0.0, vy > 0.0 ? vy : 0.0, sxy / nd - ax * ay};
}

// Pairs around 1e6 (where unshifted sums would lose the variance), with flat runs of either
// series and of both.
void series(Vec& x, Vec& y) {
    std::uint64_t s = 11;
    for (int i = 0; i < 400; ++i) {
        const bool flat_x = i >= 100 && i < 140, flat_y = (i >= 130 && i < 170) || (i >= 300 && i < 320);
        x.push_back(flat_x ? x.back() : 1e6 + test::unit(s) * 3.0);
        y.push_back(flat_y ? y.back() : -2e6 + test::unit(s) * 0.5 + 0.3 * x.back());
    }
}

TEST(PairMomentWindowTest, MomentsMatchTheWindowFormulasAndFlatSeriesAreExact) {
    Vec x, y;
    series(x, y);
    for (std::size_t n : {2u, 3u, 7u, 25u}) {
        PairMomentWindow w(n);
        for (std::size_t t = 0; t < x.size(); ++t) {
            ASSERT_TRUE(w.push(x[t], y[t]));
            ASSERT_EQ(w.full(), t + 1 >= n);
            if (t + 1 < n) continue;
            const PairMoments got = w.moments(), want = direct(x, y, t, n);
            const bool flat_x = test::flat_window(x, t, n), flat_y = test::flat_window(y, t, n);
            if ((t + 1) % n == 0) {  // just rebuilt
                EXPECT_TRUE(same_bits(got.mean_x, want.mean_x) && same_bits(got.mean_y, want.mean_y)) << n << " " << t;
                if (!flat_x) {
                    EXPECT_TRUE(same_bits(got.var_x, want.var_x)) << n << " " << t;
                }
                if (!flat_y) {
                    EXPECT_TRUE(same_bits(got.var_y, want.var_y)) << n << " " << t;
                }
                if (!flat_x && !flat_y) {
                    EXPECT_TRUE(same_bits(got.cov, want.cov)) << n << " " << t;
                }
            } else {
                EXPECT_NEAR(got.mean_x, want.mean_x, 1e-9) << n << " " << t;
                EXPECT_NEAR(got.var_x, want.var_x, 1e-6) << n << " " << t;
                EXPECT_NEAR(got.var_y, want.var_y, 1e-6) << n << " " << t;
                EXPECT_NEAR(got.cov, want.cov, 1e-6) << n << " " << t;
            }
            if (flat_x) {
                EXPECT_TRUE(same_bits(got.var_x, 0.0) && same_bits(got.cov, 0.0)) << n << " " << t;
            }
            if (flat_y) {
                EXPECT_TRUE(same_bits(got.var_y, 0.0) && same_bits(got.cov, 0.0)) << n << " " << t;
            }
        }
    }
}

TEST(PairMomentWindowTest, TheResidueOfAConstantSeriesIsNoCovariance) {
    // The closes turn flat while the reference varies: the running sums keep a covariance of
    // about 1e-17, from which a beta of 1e-16 would follow.
    PairMomentWindow w(3);
    const Vec x = {0.7, 0.6, 0.1, 0.1, 0.1}, y = {1, 2.5, 0.7, 1.9, 0.4};
    for (std::size_t i = 0; i < x.size(); ++i) ASSERT_TRUE(w.push(x[i], y[i]));
    EXPECT_NE(w.sums().sxy / 3.0 - (w.sums().sx / 3.0) * (w.sums().sy / 3.0), 0.0);
    EXPECT_TRUE(same_bits(w.moments().cov, 0.0) && same_bits(w.moments().var_x, 0.0));
    EXPECT_GT(w.moments().var_y, 0.0);
    // Equal by value: a run of -0.0 and +0.0 is constant.
    PairMomentWindow z(2);
    for (double v : {3.0, -0.0, 0.0}) ASSERT_TRUE(z.push(v, v + 1.0));
    EXPECT_TRUE(same_bits(z.moments().var_x, 0.0) && same_bits(z.moments().cov, 0.0));
}

TEST(PairMomentWindowTest, PairsWhoseMomentsCannotBeFiniteAreRefusedAndStorageGrows) {
    PairMomentWindow w(4);
    for (double v : {1.0, 2.0, 5.0, 3.0, 4.0}) ASSERT_TRUE(w.push(v, -v));
    const PairSums before = w.sums();
    for (auto [x, y] : {XY{1e300, 0.0}, XY{0.0, -1e300}, XY{1.7e308, 1.7e308}}) {
        EXPECT_FALSE(w.prepare(x, y)) << x << " " << y;
        EXPECT_FALSE(w.push(x, y));
    }
    EXPECT_TRUE(same_bits(w.sums().sxy, before.sxy) && w.sums().pushes == before.pushes && w.pairs().newest().x == 4.0);
    auto prepared = w.prepare(6.0, 1.0);
    ASSERT_TRUE(prepared);
    EXPECT_TRUE(same_bits(w.sums().sx, before.sx));  // prepare alone changes nothing
    w.commit(6.0, 1.0, *prepared);
    EXPECT_EQ(w.pairs().oldest().x, 5.0);
    // Means that cannot be summed keep the running sums at the rebuild.
    PairMomentWindow edge(2);
    for (double v : {1.5e308, 1.5e308, 1.5e308}) ASSERT_TRUE(edge.push(v, -v));
    EXPECT_TRUE(edge.moments().mean_x == 1.5e308 && edge.moments().var_y == 0.0 && edge.sums().kx == 1.5e308);
    PairMomentWindow big(16'777'216);
    for (int i = 0; i < 500; ++i) ASSERT_TRUE(big.push(i, 2 * i));
    EXPECT_LE(big.pairs().storage(), 1024u);
    // A promised bound too large to rule out overflow keeps the checks.
    PairMomentWindow loose(4, 1e200);
    ASSERT_TRUE(loose.push(1.0, 1.0));
    for (auto [x, y] : {XY{1e200, 0.0}, XY{0.0, -1e200}}) EXPECT_FALSE(loose.push(x, y)) << x << " " << y;
}

// Values within a bound that cannot overflow (here that of logarithms) skip the checks and give
// the same sums, bit for bit, through flat runs, extremes and rebuilds.
TEST(PairMomentWindowTest, ABoundedWindowKeepsEveryBit) {
    for (std::uint64_t n : {2u, 7u, 300u}) {
        PairMomentWindow bounded(n, 745.0), plain(n);
        std::uint64_t seed = n;
        for (int i = 0; i < 2000; ++i) {
            const std::uint64_t r = test::splitmix(seed);
            const double x = r % 5 == 0 ? (r % 2 ? 745.0 : -745.0) : test::unit(seed) * 745.0;
            const double y = r % 7 == 0 ? plain.pairs().empty() ? 0.0 : plain.pairs().newest().y : test::unit(seed) * 20.0;
            ASSERT_TRUE(plain.push(x, y));
            ASSERT_TRUE(bounded.push(x, y));
            const PairSums &a = bounded.sums(), &b = plain.sums();
            ASSERT_TRUE(same_bits(a.sx, b.sx) && same_bits(a.sy, b.sy) && same_bits(a.sxx, b.sxx) &&
                        same_bits(a.syy, b.syy) && same_bits(a.sxy, b.sxy) && same_bits(a.kx, b.kx))
                << n << " " << i;
        }
    }
}

}  // namespace
}  // namespace prynox
