// The newest-first list against a list shifted on every push, and the Hilbert pipeline's stages
// and in-phase / quadrature components against plain arrays indexed by input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "indicators/cores/hilbert_pipeline.hpp"
#include "indicators/cores/newest_first.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using Vec = std::vector<double>;

template <std::size_t Cap>
void expect_matches_shifted_list() {
    SCOPED_TRACE(Cap);
    NewestFirst<Cap> list;
    std::deque<double> ref(Cap, 0.0);  // never-pushed elements read as 0.0
    for (std::size_t i = 0; i < 3 * Cap + 5; ++i) {
        double v = 0.5 + static_cast<double>(i);
        list.push(v);
        ref.push_front(v);
        ref.pop_back();
        ASSERT_EQ(list.size(), std::min(i + 1, Cap));
        ASSERT_EQ(list.full(), i + 1 >= Cap);
        auto view = list.view();
        for (std::size_t k = 0; k < Cap; ++k) {
            ASSERT_EQ(list[k], ref[k]) << "push " << i << " element " << k;
            ASSERT_EQ(view[k], ref[k]) << "push " << i << " element " << k;
        }
    }
}

TEST(NewestFirstTest, MatchesAListShiftedOnEveryPush) {
    NewestFirst<7> fresh;
    EXPECT_EQ(fresh.size(), 0u);
    EXPECT_EQ(fresh[6], 0.0);
    expect_matches_shifted_list<1>();
    expect_matches_shifted_list<3>();
    expect_matches_shifted_list<4>();
    expect_matches_shifted_list<7>();
    expect_matches_shifted_list<50>();
}

Vec inputs(std::size_t n) {
    Vec out;
    for (std::size_t i = 0; i < n; ++i) {
        double t = static_cast<double>(i);
        out.push_back(100.0 + 0.03 * t + 4.0 * std::sin(t / 3.1) + 1.5 * std::sin(t / 1.7));
    }
    return out;
}

TEST(HilbertPipelineTest, StagesFollowTheFillingOfEachList) {
    using Stage = HilbertPipeline::Stage;
    HilbertPipeline p;
    Vec x = inputs(40);
    for (std::size_t i = 1; i <= x.size(); ++i) {
        Stage want = i < 4 ? Stage::Priming : i < 10 ? Stage::Smoothing : i < 22 ? Stage::Detrending : Stage::Measured;
        auto s = p.step(x[i - 1]);
        EXPECT_EQ(s.stage, want) << "input " << i;
        if (want == Stage::Priming) {
            EXPECT_EQ(s.smooth, 0.0);
        }
        EXPECT_EQ(p.update_count(), i);
    }
}

TEST(HilbertPipelineTest, ComponentsMatchPlainArrays) {
    Vec x = inputs(300);
    test::RefHilbert ref(x.size());
    HilbertPipeline p;
    for (std::size_t t = 0; t < x.size(); ++t) {
        auto s = p.step(x[t]);
        const auto stage = ref.step(x, t);
        if (stage == test::RefHilbert::Priming) continue;
        ASSERT_EQ(s.smooth, ref.smooth[t]) << t;
        if (stage != test::RefHilbert::Measured) continue;
        ASSERT_EQ(p.i1(), ref.i1[t]) << t;
        ASSERT_EQ(p.q1(), ref.q1[t]) << t;
        ASSERT_EQ(p.period(), ref.period) << t;
    }
    EXPECT_GT(ref.period, 6.0);
}

}  // namespace
}  // namespace prynox
