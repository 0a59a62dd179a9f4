// The streaming building blocks: windows, the sorted window's total order, the midpoint, the
// EMA stage, and the re-summation cadences of the averaging cores.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

#include "support/indicator_test_support.hpp"
#include "indicators/cores/bollinger.hpp"
#include "indicators/rsi_family/cmo.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/fixed_ring.hpp"
#include "indicators/cores/fused.hpp"
#include "indicators/cores/midpoint.hpp"
#include "indicators/optional_value.hpp"
#include "indicators/cores/regression_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/cores/sorted_abs_deviations.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/moving_averages/wma.hpp"
#include "indicators/moving_averages/zlema.hpp"

namespace prynox {
namespace {

using test::same_bits;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<double> contents(const RollingWindow<double>& w) {
    std::vector<double> out;
    w.for_each([&](double v) { out.push_back(v); });
    return out;
}

TEST(RollingWindowTest, KeepsTheLastValuesOldestFirst) {
    RollingWindow<double> w(3);
    for (double v : {1.0, 2.0}) ASSERT_TRUE(w.push(v));
    EXPECT_FALSE(w.full());
    EXPECT_EQ(contents(w), (std::vector<double>{1, 2}));
    for (double v : {3.0, 4.0, 5.0}) ASSERT_TRUE(w.push(v));
    EXPECT_TRUE(w.full());
    EXPECT_EQ(contents(w), (std::vector<double>{3, 4, 5}));
    EXPECT_EQ(w.oldest(), 3.0);
    EXPECT_EQ(w.newest(), 5.0);
    EXPECT_EQ(w[1], 4.0);
    EXPECT_EQ(w.back(0), 5.0);
    EXPECT_EQ(w.back(2), 3.0);
    EXPECT_EQ(w.pop_front(), 3.0);
    EXPECT_EQ(w.pop_back(), 5.0);
    EXPECT_EQ(contents(w), (std::vector<double>{4}));
}

TEST(RollingWindowTest, StorageFollowsTheDataNotTheCapacity) {
    RollingWindow<double> w(20'000'000);
    for (int i = 0; i < 500; ++i) ASSERT_TRUE(w.push(i));
    EXPECT_LE(w.storage(), 1024u);
    EXPECT_EQ(w.size(), 500u);
    EXPECT_EQ(w.oldest(), 0.0);
    EXPECT_EQ(w.newest(), 499.0);
}

TEST(RollingWindowTest, GrowsAcrossTheWrapAndStopsAtTheCapacity) {
    // Growth while the ring has wrapped must keep arrival order.
    RollingWindow<int> w(40);
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(w.push(i));
    for (int i = 0; i < 5; ++i) w.pop_front();
    for (int i = 10; i < 100; ++i) ASSERT_TRUE(w.push(i));
    EXPECT_EQ(w.size(), 40u);
    EXPECT_EQ(w.storage(), 40u);
    for (std::size_t i = 0; i < 40; ++i) EXPECT_EQ(w[i], 60 + static_cast<int>(i));
}

TEST(RollingWindowTest, PopFromEmptyIsAnInvariantFailure) {
    RollingWindow<double> w(2);
    EXPECT_THROW(w.pop_front(), InvariantViolation);
}

TEST(FixedRingTest, RingOrderIsOldestToNewestOnceFull) {
    FixedRing r(3);
    for (double v : {1.0, 2.0, 3.0}) ASSERT_TRUE(r.fill(v));
    EXPECT_TRUE(r.full());
    EXPECT_EQ(r.head(), 0u);
    EXPECT_EQ(r.replace(4.0), 1.0);
    EXPECT_EQ(r.replace(5.0), 2.0);
    std::vector<double> order;
    r.for_each_in_ring_order([&](double v) { order.push_back(v); });
    EXPECT_EQ(order, (std::vector<double>{3, 4, 5}));
    EXPECT_THROW((void)r.fill(6.0), InvariantViolation);
}

TEST(FixedRingTest, SlotsAreCreatedAsValuesArrive) {
    FixedRing r(16'777'216);
    for (int i = 0; i < 300; ++i) ASSERT_TRUE(r.fill(i));
    EXPECT_LE(r.storage(), 1024u);
}

TEST(TotalOrderTest, OrdersEveryDouble) {
    const double nnan = -kNaN;
    std::vector<double> ordered = {nnan, -kInf, -1e308, -1.0, -5e-324, -0.0, 0.0, 5e-324, 1.0, kInf, kNaN};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i)
        EXPECT_TRUE(total_less(ordered[i], ordered[i + 1])) << i;
    EXPECT_FALSE(total_less(0.0, -0.0));
    EXPECT_FALSE(total_less(1.0, 1.0));
}

TEST(SortedWindowTest, NegativeZeroSortsFirstAndTheLeavingZeroIsTheOneRemoved) {
    SortedWindow w(2);
    ASSERT_TRUE(w.push(0.0));
    ASSERT_TRUE(w.push(-0.0));
    auto s = w.sorted();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(std::signbit(s[0]));
    EXPECT_FALSE(std::signbit(s[1]));
    // +0.0 arrived first, so it leaves first: -0.0 and 7 remain.
    ASSERT_TRUE(w.push(7.0));
    s = w.sorted();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(same_bits(s[0], -0.0));
    EXPECT_EQ(s[1], 7.0);
}

TEST(SortedWindowTest, MatchesASortOfTheLastValues) {
    auto xs = test::varied_closes(400, 7, false);
    for (std::size_t i = 0; i < xs.size(); i += 5) xs[i] = std::round(xs[i]);  // equal values
    SortedWindow w(17);
    for (std::size_t t = 0; t < xs.size(); ++t) {
        ASSERT_TRUE(w.push(xs[t]));
        std::size_t lo = t + 1 >= 17 ? t + 1 - 17 : 0;
        std::vector<double> want(xs.begin() + static_cast<long>(lo), xs.begin() + static_cast<long>(t) + 1);
        std::sort(want.begin(), want.end(), total_less);
        auto got = w.sorted();
        ASSERT_TRUE(std::equal(got.begin(), got.end(), want.begin(), want.end())) << t;
    }
}

TEST(WindowExtremesTest, MatchesAScanOfTheWindow) {
    auto xs = test::varied_closes(400, 11, false);
    for (std::size_t i = 0; i < xs.size(); i += 7) xs[i] = 103.25;  // repeated extremes
    for (std::uint64_t len : {1u, 2u, 5u, 31u}) {
        WindowExtremes e(len);
        for (std::size_t t = 0; t < xs.size(); ++t) {
            ASSERT_TRUE(e.push(xs[t]));
            std::size_t lo = t + 1 >= len ? t + 1 - len : 0;
            auto [mn, mx] = std::minmax_element(xs.begin() + static_cast<long>(lo), xs.begin() + static_cast<long>(t) + 1);
            ASSERT_EQ(e.max(), *mx);
            ASSERT_EQ(e.min(), *mn);
        }
    }
}

TEST(WindowExtremesTest, SignedZerosFollowTheTotalOrder) {
    WindowExtremes e(2);
    ASSERT_TRUE(e.push(-0.0));
    ASSERT_TRUE(e.push(0.0));
    EXPECT_TRUE(same_bits(e.max(), 0.0));
    EXPECT_TRUE(same_bits(e.min(), -0.0));
}

TEST(MidpointTest, DoesNotOverflowNearTheLargestDouble) {
    EXPECT_EQ(midpoint(1.5e308, 1.7e308), 1.6e308);
    EXPECT_EQ(midpoint(-1.7e308, -1.5e308), -1.6e308);
    EXPECT_EQ(midpoint(1.0, 2.0), 1.5);
    EXPECT_EQ(midpoint(kHalfMaxDouble, kHalfMaxDouble), kHalfMaxDouble);
}

TEST(EmaStageTest, SeedsWithTheMeanThenUsesOneFusedStep) {
    EmaStage e(3);
    EXPECT_FALSE(e.step(1.0));
    EXPECT_FALSE(e.step(2.0));
    EXPECT_EQ(e.step(3.0), 2.0);
    EXPECT_EQ(e.step(4.0), std::fma(0.5, 4.0, 0.5 * 2.0));
    EXPECT_EQ(e.alpha(), 0.5);
}

TEST(EmaStageTest, PeriodOneFollowsItsInput) {
    EmaStage e(1);
    EXPECT_EQ(e.alpha(), 1.0);
    EXPECT_EQ(e.one_minus_alpha(), 0.0);
    for (double v : {5.0, -3.25, 1e300, 0.1}) EXPECT_EQ(e.step(v), v);
}

TEST(EmaStageTest, TheStepIsFusedNotTwoRoundings) {
    // alpha = 2/11: alpha * v is inexact, so a separately rounded product and sum would differ
    // from one fused multiply-add on some inputs; the stage must match the fused form.
    EmaStage e(10);
    for (int i = 0; i < 10; ++i) (void)e.step(1.0);
    double value = 1.0;
    double alpha = 2.0 / 11.0;
    int differing = 0;
    for (int i = 0; i < 200; ++i) {
        double v = 1.0 + i * 0.3701;
        double fused = std::fma(alpha, v, (1.0 - alpha) * value);
        volatile double product = alpha * v;
        double split = product + (1.0 - alpha) * value;
        differing += fused != split;
        ASSERT_EQ(e.step(v), fused);
        value = fused;
    }
    EXPECT_GT(differing, 0);
}

TEST(OptionalValueTest, ComparesAndConvertsAsAnOptional) {
    for (double v : {0.0, -0.0, 2.5, -1e308, 5e-324, kInf}) {
        const OptionalValue o = v;
        ASSERT_TRUE(o.has_value());
        EXPECT_TRUE(same_bits(*o, v));
        EXPECT_EQ(std::optional<double>(o), std::optional<double>(v));
    }
    EXPECT_FALSE(OptionalValue().has_value());
    EXPECT_EQ(OptionalValue(), std::nullopt);
    EXPECT_EQ(OptionalValue(std::optional<double>()), OptionalValue());
    EXPECT_FALSE(OptionalValue(kNaN) == OptionalValue(kNaN));  // a NaN value equals nothing
    EXPECT_FALSE(OptionalValue(1.0) == OptionalValue());
}

TEST(FusedTest, OneRoundingLikeStdFma) {
    std::uint64_t seed = 5;
    for (int i = 0; i < 10000; ++i) {
        double a = test::unit(seed) * 1e3, b = test::unit(seed) * 1e-2, c = test::unit(seed) * 1e5;
        ASSERT_TRUE(same_bits(fused_multiply_add(a, b, c), std::fma(a, b, c))) << a << " " << b << " " << c;
    }
    // 0.1 * 10 - 1 is 0 when rounded twice, 2^-54 when fused.
    EXPECT_EQ(fused_multiply_add(0.1, 10.0, -1.0), std::fma(0.1, 10.0, -1.0));
    EXPECT_NE(fused_multiply_add(0.1, 10.0, -1.0), 0.0);
}

TEST(EmaStageTest, OwnAlphaAndSeedLength) {
    EmaStage e(20, 0.1, 1);
    EXPECT_EQ(e.step(10.0), 10.0);
    EXPECT_EQ(e.step(20.0), std::fma(0.1, 20.0, 0.9 * 10.0));
}

TEST(SmaCoreTest, SmallSeriesAndRejectedInputs) {
    Sma s(2);
    EXPECT_FALSE(s.update_value(1.0));
    EXPECT_EQ(s.update_value(2.0), 1.5);
    EXPECT_EQ(s.update_value(3.0), 2.5);
    Sma t(3);
    EXPECT_FALSE(t.update_value(1.0));
    EXPECT_FALSE(t.update_value(kNaN));  // does not count
    EXPECT_FALSE(t.update_value(2.0));
    EXPECT_FALSE(t.update_value(kInf));
    EXPECT_EQ(t.update_value(3.0), 2.0);
}

TEST(SmaCoreTest, RunningSumIsRecomputedAfterExactly16NUpdates) {
    // 1e17 absorbs the first 1 and leaves the running sum short by one until the exact
    // re-sum at update 16 * 2 = 32.
    Sma s(2);
    EXPECT_FALSE(s.update_value(1e17));
    EXPECT_EQ(s.update_value(1.0), 1e17 / 2);
    for (int update = 3; update <= 31; ++update) ASSERT_EQ(s.update_value(1.0), 0.5) << update;
    EXPECT_EQ(s.update_value(1.0), 1.0);
    EXPECT_EQ(s.update_value(1.0), 1.0);
}

TEST(WmaCoreTest, SmallSeries) {
    Wma w(3);
    EXPECT_FALSE(w.update_value(1.0));
    EXPECT_FALSE(w.update_value(2.0));
    EXPECT_EQ(w.update_value(3.0), 14.0 / 6.0);
    EXPECT_EQ(w.update_value(4.0), 20.0 / 6.0);
    EXPECT_EQ(w.divisor(), 6.0);
}

TEST(WmaCoreTest, SumsAreRecomputedAfterSixteenLaps) {
    // The lost 1 makes the numerator climb by one per update until the 16th lap of the ring
    // (update 2 + 16 * 2 = 34) recomputes it.
    Wma w(2);
    EXPECT_FALSE(w.update_value(1e17));
    EXPECT_EQ(w.update_value(1.0), 1e17 / 3.0);
    std::vector<double> got;
    for (int update = 3; update <= 35; ++update) got.push_back(*w.update_value(1.0));
    EXPECT_EQ(got[0], 2.0 / 3.0);          // update 3
    EXPECT_EQ(got[30], 32.0 / 3.0);        // update 33, still drifting
    EXPECT_EQ(got[31], 1.0);               // update 34: recomputed
    EXPECT_EQ(got[32], (2.0 + 1.0) / 3.0);  // and exact from then on
}

TEST(BollingerCoreTest, ConstantSeriesGivesZeroDeviationAndEqualLines) {
    for (double c : {103.25, 0.1, -7.3, 1e-300}) {
        BollingerBands b(5, 2.0);
        std::optional<BollingerValue> v;
        for (int i = 0; i < 40; ++i) v = b.update_value(c);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->sd, 0.0);
        EXPECT_EQ(v->upper, c);
        EXPECT_EQ(v->middle, c);
        EXPECT_EQ(v->lower, c);
    }
}

TEST(BollingerCoreTest, MeanAndDeviationOfTheWindow) {
    auto xs = test::varied_closes(400, 3, false);
    BollingerBands b(20, 2.5);
    for (std::size_t t = 0; t < xs.size(); ++t) {
        auto v = b.update_value(xs[t]);
        ASSERT_EQ(v.has_value(), t >= 19);
        if (!v) continue;
        double mean = 0, ss = 0;
        for (std::size_t i = t - 19; i <= t; ++i) mean += xs[i];
        mean /= 20;
        for (std::size_t i = t - 19; i <= t; ++i) ss += (xs[i] - mean) * (xs[i] - mean);
        double sd = std::sqrt(ss / 20);
        EXPECT_NEAR(v->middle, mean, 1e-11 * mean);
        EXPECT_NEAR(v->sd, sd, 1e-8 * std::max(1.0, sd));
        EXPECT_EQ(v->upper, v->middle + 2.5 * v->sd);
        EXPECT_EQ(v->lower, v->middle - 2.5 * v->sd);
    }
}

TEST(BollingerCoreTest, RejectsBadParametersAndInputs) {
    EXPECT_EQ(BollingerBands::create(0, 2.0).error().kind, IndicatorErrorKind::ZeroPeriod);
    EXPECT_EQ(BollingerBands::create(0, -1.0).error().kind, IndicatorErrorKind::ZeroPeriod);
    EXPECT_EQ(BollingerBands::create(20, 0.0).error().kind, IndicatorErrorKind::NonPositiveMultiplier);
    EXPECT_EQ(BollingerBands::create(20, -0.0).error().kind, IndicatorErrorKind::NonPositiveMultiplier);
    EXPECT_TRUE(BollingerBands::create(20, 5e-324).has_value());
    BollingerBands b(2, 1.0);
    EXPECT_FALSE(b.update_value(kNaN));
    EXPECT_FALSE(b.update_value(1.0));
    EXPECT_TRUE(b.update_value(3.0));
}

TEST(RegressionCoreTest, LineThroughSmallWindows) {
    RegressionWindow w(3);
    EXPECT_EQ(w.sum_x(), 3.0);
    EXPECT_EQ(w.denominator(), 6.0);
    EXPECT_FALSE(w.push(1.0));
    EXPECT_FALSE(w.push(2.0));
    auto line = w.push(3.0);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->slope, 1.0);
    EXPECT_EQ(line->intercept, 1.0);

    RegressionWindow a(3), b(3), c(3);
    for (double v : {1.0, 2.0, 3.0}) {
        (void)linear_regression_value(a, v);
        (void)linreg_slope_value(b, v);
        (void)tsf_value(c, v);
    }
    EXPECT_EQ(linear_regression_value(a, 5.0), 29.0 / 6.0);
    EXPECT_EQ(linreg_slope_value(b, 5.0), 1.5);
    EXPECT_NEAR(*tsf_value(c, 5.0), 19.0 / 3.0, 1e-14);
    EXPECT_FALSE(linear_regression_value(a, kNaN));
}

TEST(RegressionCoreTest, ConstantsForSomePeriods) {
    EXPECT_EQ(RegressionWindow(2).denominator(), 1.0);
    EXPECT_EQ(RegressionWindow(5).sum_x(), 10.0);
    EXPECT_EQ(RegressionWindow(5).denominator(), 50.0);
    EXPECT_EQ(RegressionWindow(14).sum_x(), 91.0);
    EXPECT_EQ(RegressionWindow(14).denominator(), 3185.0);
}

TEST(RegressionCoreTest, MatchesAFreshFitAcrossReanchoring) {
    auto xs = test::varied_closes(300, 5, false);
    RegressionWindow w(14);
    for (std::size_t t = 0; t < xs.size(); ++t) {
        auto line = w.push(xs[t]);
        ASSERT_EQ(line.has_value(), t >= 13);
        if (!line) continue;
        double mx = 6.5, my = 0;
        for (std::size_t i = 0; i < 14; ++i) my += xs[t - 13 + i];
        my /= 14;
        double sxy = 0, sxx = 0;
        for (std::size_t i = 0; i < 14; ++i) {
            sxy += (i - mx) * (xs[t - 13 + i] - my);
            sxx += (i - mx) * (i - mx);
        }
        double slope = sxy / sxx;
        EXPECT_NEAR(line->slope, slope, 1e-9);
        EXPECT_NEAR(line->intercept, my - slope * mx, 1e-9 * my);
    }
}

TEST(ZlemaCoreTest, PeriodOneReturnsItsInput) {
    auto z = Zlema::create(1);
    ASSERT_TRUE(z);
    EXPECT_EQ(z->lag(), 0u);
    for (double v : {5.0, 7.5, -2.0}) EXPECT_EQ(z->update_value(v), v);
}

TEST(SortedAbsDeviationsTest, MergesOutwardFromTheCentre) {
    std::vector<double> out;
    std::vector<double> values = {1, 2, 3, 7};
    sorted_abs_deviations(values, 2.5, out);
    EXPECT_EQ(out, (std::vector<double>{0.5, 0.5, 1.5, 4.5}));
    sorted_abs_deviations(values, 100.0, out);
    EXPECT_EQ(out, (std::vector<double>{93, 97, 98, 99}));
    sorted_abs_deviations(values, -1.0, out);
    EXPECT_EQ(out, (std::vector<double>{2, 3, 4, 8}));
    sorted_abs_deviations({}, 1.0, out);
    EXPECT_TRUE(out.empty());
}

TEST(SortedAbsDeviationsTest, EqualsSortingTheDeviations) {
    auto xs = test::varied_closes(101, 9, false);
    std::sort(xs.begin(), xs.end());
    std::vector<double> out;
    for (double c : {xs[50], xs[0], 100.0, xs[100] + 1}) {
        sorted_abs_deviations(xs, c, out);
        std::vector<double> want;
        for (double v : xs) want.push_back(std::fabs(v - c));
        std::sort(want.begin(), want.end());
        EXPECT_EQ(out, want);
    }
}

TEST(CmoCoreTest, SmallSeries) {
    auto c = Cmo::create(2);
    ASSERT_TRUE(c);
    EXPECT_FALSE(c->update_value(1.0));
    EXPECT_FALSE(c->update_value(2.0));
    EXPECT_EQ(c->update_value(3.0), 100.0);
    EXPECT_EQ(c->update_value(2.0), 0.0);
    EXPECT_EQ(c->warmup_period(), 3u);
}

TEST(CmoCoreTest, AFlatWindowGivesZeroEvenWithARoundingResidue) {
    // These falls leave D = 1.1e-16 instead of 0 once they have left the window; with every
    // change in the window 0 the result must still be exactly 0, not -100.
    auto c = Cmo::create(4);
    ASSERT_TRUE(c);
    for (double v : {1.3, 1.3, 0.7, 0.1, 0.3, 10.1}) (void)c->update_value(v);
    std::optional<double> r;
    for (int i = 0; i < 5; ++i) r = c->update_value(10.1);
    ASSERT_TRUE(r);
    EXPECT_TRUE(same_bits(*r, 0.0));
}

}  // namespace
}  // namespace prynox
