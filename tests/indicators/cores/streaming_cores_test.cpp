// The streaming building blocks against plain containers and scans: windows and rings, the total
// order and the sorted window and extremes under it, the tagged extremes against scans with
// either tie rule, the overflow-free midpoint, the fused
// multiply-add, and the re-sum cadences of the averaging cores. (The EMA stage, the sorted
// absolute deviations and the Bollinger, regression, CMO and ZLEMA cores are checked exactly
// through the types built on them.)
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <deque>
#include <limits>
#include <span>
#include <vector>

#include "indicators/cores/fixed_ring.hpp"
#include "indicators/cores/fused.hpp"
#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/cores/tagged_extremes.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/moving_averages/wma.hpp"
#include "indicators/optional_value.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::same_bits;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RollingWindowTest, MatchesADequeAcrossPopsWrapsAndGrowth) {
    // Pops from either end move the head, so the ring grows while it has wrapped.
    for (std::uint64_t cap : {1u, 3u, 40u}) {
        RollingWindow<double> w(cap);
        std::deque<double> ref;
        std::uint64_t seed = cap;
        for (int i = 0; i < 400; ++i) {
            std::uint64_t op = test::splitmix(seed) % 8;
            if (op < 2 && !ref.empty()) {
                ASSERT_EQ(op ? w.pop_back() : w.pop_front(), op ? ref.back() : ref.front());
                op ? ref.pop_back() : ref.pop_front();
            } else {
                // Half the pushes that need no new storage take the no-allocation form.
                if (op == 2 && w.has_room())
                    w.push_in_room(i);
                else
                    ASSERT_TRUE(w.push(i));
                ref.push_back(i);
                if (ref.size() > cap) ref.pop_front();
            }
            Vec order;
            w.for_each([&](double v) { order.push_back(v); });
            ASSERT_EQ(order, Vec(ref.begin(), ref.end())) << cap << " " << i;
            const std::size_t start = test::splitmix(seed) % (ref.size() + 1);
            Vec tail, runs;
            w.for_each_from(start, [&](double v) { tail.push_back(v); });
            ASSERT_EQ(tail, Vec(ref.begin() + static_cast<std::ptrdiff_t>(start), ref.end())) << cap << " " << i;
            w.for_each_run_from(start, [&](std::span<const double> run) { runs.insert(runs.end(), run.begin(), run.end()); });
            ASSERT_EQ(runs, tail) << cap << " " << i;
            Vec pushed;
            w.for_each_once_pushed(-1.0, [&](double v) { pushed.push_back(v); });
            Vec want(ref.begin() + (ref.size() == cap ? 1 : 0), ref.end());
            want.push_back(-1.0);
            ASSERT_EQ(pushed, want) << cap << " " << i;
            ASSERT_EQ(w.full(), ref.size() == cap);
            for (std::size_t k = 0; k < ref.size(); ++k) ASSERT_TRUE(w[k] == ref[k] && w.back(k) == ref[ref.size() - 1 - k]);
        }
        EXPECT_EQ(w.storage(), cap);
    }
    RollingWindow<double> big(20'000'000);
    for (int i = 0; i < 500; ++i) ASSERT_TRUE(big.push(i));
    EXPECT_LE(big.storage(), 1024u);
    EXPECT_THROW(RollingWindow<double>(2).pop_front(), InvariantViolation);
    EXPECT_THROW(RollingWindow<double>(2).for_each_from(1, [](double) {}), InvariantViolation);
}

TEST(FixedRingTest, ReplacesTheOldestAndGrowsWithTheData) {
    for (std::uint64_t period : {1u, 3u, 7u}) {
        FixedRing r(period);
        Vec all;
        for (std::size_t i = 0; i < 4 * period + 1; ++i) {
            all.push_back(0.5 + static_cast<double>(i));
            if (i == period) {
                EXPECT_THROW((void)r.fill(0.0), InvariantViolation);
            }
            ASSERT_TRUE(i < period ? r.fill(all[i]) : r.replace(all[i]) == all[i - period]) << period << " " << i;
        }
        Vec order;
        r.for_each_in_ring_order([&](double v) { order.push_back(v); });
        EXPECT_EQ(order, Vec(all.end() - static_cast<long>(period), all.end()));
    }
    FixedRing big(16'777'216);
    for (int i = 0; i < 300; ++i) ASSERT_TRUE(big.fill(i));
    EXPECT_LE(big.storage(), 1024u);
}

TEST(TotalOrderTest, SortedWindowAndExtremesFollowTheTotalOrder) {
    const Vec ordered = {-kNaN, -kInf, -1e308, -1.0, -5e-324, -0.0, 0.0, 5e-324, 1.0, kInf, kNaN};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) EXPECT_TRUE(total_less(ordered[i], ordered[i + 1])) << i;
    EXPECT_FALSE(total_less(0.0, -0.0) || total_less(1.0, 1.0));
    // Against a sort of the last values, with repeats and both zeros in one window as the
    // smallest and as the largest values: the zero that leaves must be the one that came first.
    Vec xs = test::varied_closes(400, 7, false);
    for (std::size_t i = 0; i < xs.size(); i += 5) xs[i] = std::round(xs[i]);
    for (std::size_t i = 200; i < 300; ++i) xs[i] = -xs[i];  // zeros the largest values here
    for (std::size_t i = 3; i < xs.size(); i += 7) xs[i] = i % 2 ? 0.0 : -0.0;
    for (std::uint64_t len : {1u, 2u, 5u, 17u, 31u}) {
        SortedWindow s(len);
        WindowExtremes e(len);
        for (std::size_t t = 0; t < xs.size(); ++t) {
            // What the window would hold with the value, before it is pushed.
            ASSERT_TRUE(e.make_room());
            const Extremes ahead = e.once_pushed(xs[t]);
            ASSERT_TRUE(s.push(xs[t]) && e.push(xs[t]));
            Vec want(xs.begin() + static_cast<long>(t + 1 >= len ? t + 1 - len : 0), xs.begin() + static_cast<long>(t) + 1);
            std::sort(want.begin(), want.end(), total_less);
            auto got = s.sorted();
            ASSERT_TRUE(std::equal(got.begin(), got.end(), want.begin(), want.end(), same_bits)) << len << " " << t;
            ASSERT_TRUE(same_bits(e.max(), want.back()) && same_bits(e.min(), want.front())) << len << " " << t;
            ASSERT_TRUE(same_bits(ahead.hi, want.back()) && same_bits(ahead.lo, want.front())) << len << " " << t;
        }
    }
}

// Positions of the extremes of the last `len` values up to t, as a scan oldest first keeps them:
// replacing on >= and <= keeps the newest of equals, on > and < the oldest. -0.0 == 0.0 here.
template <TieRule rule>
std::pair<std::size_t, std::size_t> scanned_extremes(const Vec& hs, const Vec& ls, std::size_t t, std::size_t len) {
    const std::size_t first = t + 1 >= len ? t + 1 - len : 0;
    std::size_t hi = first, lo = first;
    for (std::size_t i = first + 1; i <= t; ++i) {
        if (rule == TieRule::kNewest ? hs[i] >= hs[hi] : hs[i] > hs[hi]) hi = i;
        if (rule == TieRule::kNewest ? ls[i] <= ls[lo] : ls[i] < ls[lo]) lo = i;
    }
    return {hi, lo};
}

template <TieRule rule>
void expect_tags_as_scanned(const Vec& hs, const Vec& ls) {
    for (std::uint64_t len : {1u, 2u, 3u, 5u, 17u, 31u}) {
        TaggedExtremes<rule> e(len);
        for (std::size_t t = 0; t < hs.size(); ++t) {
            ASSERT_TRUE(e.push(hs[t], t, ls[t], t));
            ASSERT_EQ(e.full(), t + 1 >= len);
            const auto [hi, lo] = scanned_extremes<rule>(hs, ls, t, len);
            ASSERT_EQ(e.high_tag(), hi) << len << " " << t;
            ASSERT_EQ(e.low_tag(), lo) << len << " " << t;
        }
    }
}

TEST(TaggedExtremesTest, TagsOfTheExtremesAScanKeeps) {
    // Repeats, runs of equal values, both zeros and both infinities as the largest and as the
    // smallest values, so that ties decide at every window position and at the block edges.
    Vec hs = test::varied_closes(500, 11, false);
    for (std::size_t i = 0; i < hs.size(); i += 3) hs[i] = std::round(hs[i] / 4.0);
    for (std::size_t i = 100; i < 140; ++i) hs[i] = 7.0;
    for (std::size_t i = 200; i < 300; ++i) hs[i] = -std::fabs(hs[i]);
    for (std::size_t i = 5; i < hs.size(); i += 4) hs[i] = i % 3 ? 0.0 : -0.0;
    hs[150] = kInf, hs[350] = -kInf;
    Vec ls(hs.rbegin(), hs.rend());
    expect_tags_as_scanned<TieRule::kNewest>(hs, ls);
    expect_tags_as_scanned<TieRule::kOldest>(hs, ls);
    // A tag travels with its value: the bits of the oldest of equal zeros come back.
    TaggedExtremes<TieRule::kOldest> zeros(3);
    for (double z : {0.0, -0.0, 0.0}) ASSERT_TRUE(zeros.push(z, std::bit_cast<std::uint64_t>(z), -z, std::bit_cast<std::uint64_t>(-z)));
    EXPECT_TRUE(same_bits(std::bit_cast<double>(zeros.high_tag()), 0.0) && same_bits(std::bit_cast<double>(zeros.low_tag()), -0.0));
    // Storage follows the values pushed.
    TaggedExtremes<TieRule::kNewest> big(20'000'000);
    WindowExtremes wide(20'000'000);
    for (int i = 0; i < 500; ++i) ASSERT_TRUE(big.push(i, 0, i, 0) && wide.push(i));
    EXPECT_LE(big.storage(), 1024u);
    EXPECT_LE(wide.storage(), 1024u);
}

TEST(ArithmeticTest, MidpointFusedStepAndOptionalValue) {
    const double mids[][3] = {{1.5e308, 1.7e308, 1.6e308}, {-1.7e308, -1.5e308, -1.6e308}, {1.0, 2.0, 1.5},
                              {kHalfMaxDouble, kHalfMaxDouble, kHalfMaxDouble}};
    for (const auto& [a, b, m] : mids) EXPECT_EQ(midpoint(a, b), m) << a << " " << b;
    std::uint64_t seed = 5;
    for (int i = 0; i < 10000; ++i) {
        double a = test::unit(seed) * 1e3, b = test::unit(seed) * 1e-2, c = test::unit(seed) * 1e5;
        ASSERT_TRUE(same_bits(fused_multiply_add(a, b, c), std::fma(a, b, c))) << a << " " << b << " " << c;
    }
    EXPECT_NE(fused_multiply_add(0.1, 10.0, -1.0), 0.0);  // 2^-54 when fused, 0 when rounded twice
    for (double v : {0.0, -0.0, 2.5, -1e308, 5e-324, kInf}) {
        const OptionalValue o = v;
        EXPECT_TRUE(o.has_value() && same_bits(*o, v) && std::optional<double>(o) == std::optional<double>(v));
    }
    EXPECT_EQ(OptionalValue(), std::nullopt);
    EXPECT_EQ(OptionalValue(std::optional<double>()), OptionalValue());
    EXPECT_FALSE(OptionalValue(kNaN) == OptionalValue(kNaN) || OptionalValue(1.0) == OptionalValue());
}

TEST(ResumCadenceTest, SumsAreRecomputedExactlyOnTime) {
    // 1e17 absorbs the first 1 and leaves the running sums short until they are recomputed: after
    // 16 * 2 = 32 updates for the mean; on the 16th lap of the ring (update 2 + 16 * 2 = 34) for
    // the weighted mean, whose numerator climbs by one per update until then.
    Sma s(2);
    Wma w(2);
    EXPECT_FALSE(s.update_value(1e17) || w.update_value(1e17));
    EXPECT_EQ(s.update_value(1.0), 1e17 / 2);
    EXPECT_EQ(w.update_value(1.0), 1e17 / 3.0);
    for (int update = 3; update <= 35; ++update) {
        ASSERT_EQ(s.update_value(1.0), update < 32 ? 0.5 : 1.0) << update;
        ASSERT_EQ(w.update_value(1.0), update < 34 ? (update - 1) / 3.0 : 1.0) << update;
    }
}

}  // namespace
}  // namespace prynox
