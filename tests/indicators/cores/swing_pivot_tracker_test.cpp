// The swing pivot tracker against its pivots recomputed from the definition, over bars with ties,
// zeros and negative prices and for several caps; the worked bars and bounds of its rule, and
// its thresholds on negative prices.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "indicators/cores/swing_pivot_tracker.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

struct Bar {
    double high, low;
};

// Every pivot from the definition, with the bar that confirmed it: a swing starts on a bar (the
// first bar, upward, or the bar that confirmed the pivot before); its extreme is the first bar
// of the swing holding its highest high (lowest low); the first later bar that neither passes
// that extreme nor stays within 5 % of it confirms it and starts the next swing the other way.
std::vector<std::pair<SwingPivot, std::size_t>> plain_pivots(const std::vector<Bar>& bars) {
    std::vector<std::pair<SwingPivot, std::size_t>> out;
    std::size_t start = 0;
    double dir = 1.0;
    for (std::size_t j = 1; j < bars.size(); ++j) {
        std::size_t e = start;
        for (std::size_t k = start; k < j; ++k)
            if (dir > 0 ? bars[k].high > bars[e].high : bars[k].low < bars[e].low) e = k;
        const double x = dir > 0 ? bars[e].high : bars[e].low;
        const Bar& b = bars[j];
        if (dir > 0 ? b.high > x || b.low > x * (1 - 0.05) : b.low < x || b.high < x * (1 + 0.05)) continue;
        out.push_back({{x, dir, e}, j});
        start = j;
        dir = -dir;
    }
    return out;
}

TEST(SwingPivotTracker, MatchesThePivotsOfTheDefinition) {
    // A walk on a grid of quarters through positive, zero and negative prices, with flat bars.
    std::vector<Bar> bars;
    std::uint64_t s = 11;
    double x = 6.0;
    for (int i = 0; i < 3000; ++i) {
        x = std::round((x + test::unit(s) * 1.5) * 4.0) / 4.0;
        if (std::fabs(x) > 12.0) x *= 0.5;
        bars.push_back({x + (i % 7 == 0 ? 0.0 : std::round(std::fabs(test::unit(s)) * 6.0) / 4.0), x});
    }
    const auto all = plain_pivots(bars);
    ASSERT_GT(all.size(), 200u);
    for (std::uint64_t cap : {1u, 2u, 3u, 5u, 7u}) {
        SwingPivotTracker t(0.05, cap);
        for (std::size_t i = 0, seen = 0; i < bars.size(); ++i) {
            const bool confirmed = seen < all.size() && all[seen].second == i;
            seen += confirmed;
            const SwingStep step = t.update(bars[i].high, bars[i].low);
            ASSERT_EQ(step == SwingStep::kConfirmed, confirmed) << cap << " bar " << i;
            ASSERT_EQ(t.size(), std::min<std::size_t>(seen, cap));
            for (std::size_t k = 0; k < t.size(); ++k) {
                ASSERT_EQ(t.from_newest(k), all[seen - 1 - k].first) << cap << " bar " << i;
                ASSERT_EQ(t.from_oldest(k), all[seen - t.size() + k].first) << cap << " bar " << i;
            }
        }
        EXPECT_EQ(t.bar_count(), bars.size());
        EXPECT_EQ(t.storage(), cap);
    }
}

// Feeds (high, low) bars; the steps that confirmed.
std::vector<bool> feed(SwingPivotTracker& t, const std::vector<Bar>& bars) {
    std::vector<bool> out;
    for (const Bar& b : bars) out.push_back(t.update(b.high, b.low) == SwingStep::kConfirmed);
    return out;
}

TEST(SwingPivotTracker, WorkedBars) {
    SwingPivotTracker t(0.05, 5);
    EXPECT_EQ(t.storage(), 0u);
    // The pivot keeps its extreme's bar; the confirming bar's low starts the next swing.
    EXPECT_EQ(feed(t, {{90, 89}, {100, 96}, {99, 97}, {98, 95}, {99.75, 99.75}}),
              (std::vector<bool>{false, false, false, true, true}));
    EXPECT_EQ(t.from_oldest(0), (SwingPivot{100.0, 1.0, 1}));
    EXPECT_EQ(t.from_newest(0), (SwingPivot{95.0, -1.0, 3}));  // 99.75 = 95 * 1.05 confirms
    // A new extreme wins over a reach far past the reversal; equal highs keep the earlier bar;
    // a low of exactly 0.95 times the high confirms.
    SwingPivotTracker u(0.05, 5);
    EXPECT_EQ(feed(u, {{100, 100}, {110, 1}, {110, 105}, {109, 104.5}}),
              (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(u.from_newest(0), (SwingPivot{110.0, 1.0, 1}));
}

// extreme * (1 - 0.05) and extreme * (1 + 0.05) on the signed extreme: from -100 either way a
// bar at -100 is past the threshold, so flat bars at -100 confirm a pivot each.
TEST(SwingPivotTracker, ThresholdsTakeTheSignedExtreme) {
    SwingPivotTracker t(0.05, 5);
    EXPECT_EQ(feed(t, {{-100, -100}, {-100, -100}, {-100, -100}, {-100, -100}}),
              (std::vector<bool>{false, true, true, true}));
    EXPECT_EQ(t.from_oldest(0), (SwingPivot{-100.0, 1.0, 0}));
    EXPECT_EQ(t.from_oldest(1), (SwingPivot{-100.0, -1.0, 1}));
}

}  // namespace
}  // namespace prynox
