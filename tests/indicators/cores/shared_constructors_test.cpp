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

// A window's capacity, storage and emptiness.
template <class W>
Built window_of(std::uint64_t capacity, const W& w, bool clear = true) {
    return Built{capacity, w.storage(), clear && w.empty()};
}

std::vector<SharedConstructor> shared_constructors() {
    return {
        {"CarriedWindow (Smma, McGinleyDynamic, FisherTransform, Tsv)",
         builder(&CarriedWindow::create,
                 [](const CarriedWindow& s) {
                     return window_of(s.period(), s.window, !s.previous && plus_zero(s.value));
                 }),
         &CarriedWindow::check},
        {"PeriodWindow of values (MidPoint family)",
         builder(&PeriodWindow::create<>, [](const RollingWindow<double>& w) { return window_of(w.capacity(), w); }),
         &PeriodWindow::check},
        {"PeriodWindow of extremes (MidPoint)",
         builder(&PeriodWindow::create<WindowExtremes>,
                 [](const WindowExtremes& w) { return Built{w.length(), std::nullopt, w.pushed() == 0}; }),
         &PeriodWindow::check},
        {"ResummedWindow (GeometricMa, GainToPainRatio, FundingRateMean)",
         builder(&ResummedWindow::create,
                 [](const ResummedWindow& w) { return window_of(w.length(), w.values(), plus_zero(w.sum())); }),
         &ResummedWindow::check},
        {"NBarChange (Mom)",
         builder(&Mom::create, [](const Mom& m) { return window_of(m.window().capacity(), m.window()); }),
         nullptr, 1},
        {"NBarChange (LogReturn)",
         builder(&LogReturn::create, [](const LogReturn& m) { return window_of(m.window().capacity(), m.window()); }),
         nullptr, 1},
        {"MomentSums<2> (Variance, ZScore, CoefficientOfVariation, FundingRateZScore)",
         builder(&MomentSums<2>::create,
                 [](const MomentSums<2>& m) {
                     return window_of(m.period(), m.window(), plus_zero(m.sum(1)) && plus_zero(m.sum(2)));
                 }),
         nullptr},
        {"SortedWindow (RollingIqr, QuartileBands)",
         builder(&SortedWindow::create,
                 [](const SortedWindow& w) {
                     return Built{w.capacity(), w.arrival().storage(), w.size() == 0 && w.sorted().empty()};
                 }),
         &SortedWindow::check},
        {"FlatExactSma (DisparityIndex, Qstick, TtmTrend)",
         builder(&FlatExactSma::create, [](const FlatExactSma& s) { return Built{s.period(), std::nullopt, true}; }),
         &FlatExactSma::check},
        {"CandleWindow (MidPrice, WilliamsR, Donchian)",
         builder(&CandleWindow::create, [](const CandleWindow& w) { return window_of(w.period(), w.candles); }),
         &CandleWindow::check},
        {"ReturnWindow (RealizedVolatility, AmihudIlliquidity)",
         builder(&ReturnWindow::create,
                 [](const ReturnWindow& w) {
                     return window_of(w.period(), w.values,
                                      !w.previous_price && !w.last_value && plus_zero(w.sum) && w.updates == 0);
                 }),
         &ReturnWindow::check},
        {"PairSumsWindow (TradeImbalance, IntradayMomentumIndex)",
         builder(&PairSumsWindow::create,
                 [](const PairSumsWindow& w) {
                     return window_of(w.period(), w.pairs, plus_zero(w.first_sum) && plus_zero(w.second_sum));
                 }),
         &PairSumsWindow::check},
    };
}

// Zero is refused first, then anything above the maximum (a window of one more than the period
// must not wrap to 0 and slip through); the separate check, all that the types keeping their
// own state run, refuses exactly what the constructor refuses; a build is an empty state of the
// period's capacity whose storage follows the data seen, not the capacity.
TEST(SharedConstructorTest, RefusalsChecksAndTheStateBuilt) {
    for (const auto& c : shared_constructors()) {
        SCOPED_TRACE(c.name);
        for (std::uint64_t p : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{2}, std::uint64_t{7}, MAX_PERIOD,
                                MAX_PERIOD + 1, std::numeric_limits<std::uint64_t>::max()}) {
            SCOPED_TRACE(p);
            auto r = c.build(p);
            if (c.check) {
                CheckResult e = c.check(p);
                ASSERT_EQ(e.has_value(), !r.has_value());
                EXPECT_TRUE(!e || (e->kind == r.error().kind && e->message == r.error().message));
            }
            if (p == 0 || p > MAX_PERIOD) {
                ASSERT_FALSE(r.has_value());
                EXPECT_EQ(r.error().kind, p == 0 ? IndicatorErrorKind::ZeroPeriod : IndicatorErrorKind::InvalidPeriod);
                EXPECT_EQ(r.error().message, p == 0 ? nullptr : kMaxPeriodMessage);
                EXPECT_EQ(r.error().display(), p == 0 ? test::kZero : test::kMax);
                continue;
            }
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(r->capacity, p + c.extra);
            EXPECT_TRUE(r->clear);
            EXPECT_LE(r->storage.value_or(0), kInitialWindowStorage);
        }
    }
}

}  // namespace
}  // namespace prynox
