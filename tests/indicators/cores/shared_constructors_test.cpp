// The constructors that several indicator types share, across families, called directly: their
// window check (zero first, then the maximum, with the exact refusal) and the state they build
// (capacity, storage that follows the data rather than the capacity, every slot absent and every
// sum at +0.0). Several of them serve types that do not exist yet, so these are their only tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <expected>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "support/indicator_test_support.hpp"
#include "indicators/cores/candle_window.hpp"
#include "indicators/cores/carried_window.hpp"
#include "indicators/cores/flat_exact_sma.hpp"
#include "indicators/cores/moment_sums.hpp"
#include "indicators/cores/pair_sums_window.hpp"
#include "indicators/cores/period_window.hpp"
#include "indicators/cores/resummed_window.hpp"
#include "indicators/cores/return_window.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/momentum/log_return.hpp"
#include "indicators/momentum/mom.hpp"

namespace prynox {
namespace {

using test::same_bits;

// What a test can see of a built state.
struct Built {
    std::uint64_t capacity;
    std::optional<std::size_t> storage;  // slots allocated, where the state shows them
    bool clear;                          // nothing held, slots absent, sums +0.0
};

using Build = std::function<std::expected<Built, IndicatorError>(std::uint64_t)>;

template <class State, class Describe>
Build builder(std::expected<State, IndicatorError> (*create)(std::uint64_t), Describe describe) {
    return [create, describe](std::uint64_t p) -> std::expected<Built, IndicatorError> {
        auto s = create(p);
        if (!s) return std::unexpected(s.error());
        return describe(*s);
    };
}

bool plus_zero(double v) { return same_bits(v, 0.0); }

struct SharedConstructor {
    const char* name;
    Build build;
    CheckResult (*check)(std::uint64_t);  // null where the constructor has no separate check
    std::uint64_t extra = 0;             // capacity - period
};

std::vector<SharedConstructor> shared_constructors() {
    return {
        {"CarriedWindow (Smma, McGinleyDynamic, FisherTransform, Tsv)",
         builder(&CarriedWindow::create,
                 [](const CarriedWindow& s) {
                     return Built{s.period(), s.window.storage(),
                                  !s.previous && s.window.empty() && plus_zero(s.value)};
                 }),
         &CarriedWindow::check},
        {"PeriodWindow of values (MidPoint family)",
         builder(&PeriodWindow::create<>,
                 [](const RollingWindow<double>& w) { return Built{w.capacity(), w.storage(), w.empty()}; }),
         &PeriodWindow::check},
        {"PeriodWindow of extremes (MidPoint)",
         builder(&PeriodWindow::create<WindowExtremes>,
                 [](const WindowExtremes& w) { return Built{w.length(), std::nullopt, w.pushed() == 0}; }),
         &PeriodWindow::check},
        {"ResummedWindow (GeometricMa, GainToPainRatio, FundingRateMean)",
         builder(&ResummedWindow::create,
                 [](const ResummedWindow& w) {
                     return Built{w.length(), w.values().storage(), w.values().empty() && plus_zero(w.sum())};
                 }),
         &ResummedWindow::check},
        {"NBarChange (Mom)",
         builder(&Mom::create,
                 [](const Mom& m) {
                     return Built{m.window().capacity(), m.window().storage(), m.window().empty()};
                 }),
         nullptr, 1},
        {"NBarChange (LogReturn)",
         builder(&LogReturn::create,
                 [](const LogReturn& m) {
                     return Built{m.window().capacity(), m.window().storage(), m.window().empty()};
                 }),
         nullptr, 1},
        {"MomentSums<2> (Variance, ZScore, CoefficientOfVariation, FundingRateZScore)",
         builder(&MomentSums<2>::create,
                 [](const MomentSums<2>& m) {
                     return Built{m.period(), m.window().storage(),
                                  m.window().empty() && plus_zero(m.sum(1)) && plus_zero(m.sum(2))};
                 }),
         nullptr},
        {"SortedWindow (RollingIqr, QuartileBands)",
         builder(&SortedWindow::create,
                 [](const SortedWindow& w) {
                     return Built{w.capacity(), w.arrival().storage(), w.size() == 0 && w.sorted().empty()};
                 }),
         &SortedWindow::check},
        {"FlatExactSma (DisparityIndex, Qstick, TtmTrend)",
         builder(&FlatExactSma::create,
                 [](const FlatExactSma& s) { return Built{s.period(), std::nullopt, true}; }),
         &FlatExactSma::check},
        {"CandleWindow (MidPrice, WilliamsR, Donchian)",
         builder(&CandleWindow::create,
                 [](const CandleWindow& w) { return Built{w.period(), w.candles.storage(), w.candles.empty()}; }),
         &CandleWindow::check},
        {"ReturnWindow (RealizedVolatility, AmihudIlliquidity)",
         builder(&ReturnWindow::create,
                 [](const ReturnWindow& w) {
                     return Built{w.period(), w.values.storage(),
                                  !w.previous_price && !w.last_value && w.values.empty() && plus_zero(w.sum) &&
                                      w.updates == 0};
                 }),
         &ReturnWindow::check},
        {"PairSumsWindow (TradeImbalance, IntradayMomentumIndex)",
         builder(&PairSumsWindow::create,
                 [](const PairSumsWindow& w) {
                     return Built{w.period(), w.pairs.storage(),
                                  w.pairs.empty() && plus_zero(w.first_sum) && plus_zero(w.second_sum)};
                 }),
         &PairSumsWindow::check},
    };
}

void expect_zero_period(const std::expected<Built, IndicatorError>& r) {
    ASSERT_FALSE(r.has_value());
    EXPECT_EQ(r.error().kind, IndicatorErrorKind::ZeroPeriod);
    EXPECT_EQ(r.error().message, nullptr);
    EXPECT_EQ(r.error().display(), test::kZero);
}

void expect_max_period(const std::expected<Built, IndicatorError>& r) {
    ASSERT_FALSE(r.has_value());
    EXPECT_EQ(r.error().kind, IndicatorErrorKind::InvalidPeriod);
    EXPECT_STREQ(r.error().message, kMaxPeriodMessage);
    EXPECT_EQ(r.error().display(), test::kMax);
}

TEST(SharedConstructorTest, ZeroIsRefusedFirstThenAnythingAboveTheMaximum) {
    constexpr std::uint64_t kHuge = std::numeric_limits<std::uint64_t>::max();
    for (const auto& c : shared_constructors()) {
        SCOPED_TRACE(c.name);
        expect_zero_period(c.build(0));
        expect_max_period(c.build(MAX_PERIOD + 1));
        // A window of one more than the period must not wrap to 0 and slip through.
        expect_max_period(c.build(kHuge));
    }
}

TEST(SharedConstructorTest, BuildsAnEmptyStateOfThePeriodsCapacity) {
    for (const auto& c : shared_constructors()) {
        SCOPED_TRACE(c.name);
        for (std::uint64_t p : {std::uint64_t{1}, std::uint64_t{2}, std::uint64_t{7}, MAX_PERIOD}) {
            SCOPED_TRACE(p);
            auto r = c.build(p);
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(r->capacity, p + c.extra);
            EXPECT_TRUE(r->clear);
            // The largest window costs memory for the data seen, not for its capacity.
            if (r->storage) {
                EXPECT_LE(*r->storage, kInitialWindowStorage);
            }
        }
    }
}

TEST(SharedConstructorTest, TheSeparateCheckIsTheConstructorsOwn) {
    // The types that keep their own state run only the check: it must refuse exactly what the
    // constructor refuses.
    for (const auto& c : shared_constructors()) {
        if (!c.check) continue;
        SCOPED_TRACE(c.name);
        for (std::uint64_t p : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{5}, MAX_PERIOD, MAX_PERIOD + 1,
                                std::numeric_limits<std::uint64_t>::max()}) {
            SCOPED_TRACE(p);
            CheckResult e = c.check(p);
            auto r = c.build(p);
            ASSERT_EQ(e.has_value(), !r.has_value());
            if (e) {
                EXPECT_EQ(e->kind, r.error().kind);
                EXPECT_EQ(e->message, r.error().message);
            }
        }
    }
}

}  // namespace
}  // namespace prynox
