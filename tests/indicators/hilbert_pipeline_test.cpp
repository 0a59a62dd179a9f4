// The newest-first list against a list shifted on every push, and the Hilbert pipeline's stages
// and in-phase / quadrature components against plain arrays indexed by input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "indicators/hilbert_pipeline.hpp"
#include "indicators/newest_first.hpp"

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
    const double eps = 2.220446049250313e-16;
    Vec x = inputs(300);
    std::size_t n = x.size();
    Vec smooth(n), det(n), q1(n), i1(n);
    auto ht = [](const Vec& v, std::size_t t) {
        return ((0.0962 * v[t] + 0.5769 * v[t - 2]) - 0.5769 * v[t - 4]) - 0.0962 * v[t - 6];
    };
    double period = 0, i2p = 0, q2p = 0, re = 0, im = 0;
    HilbertPipeline p;
    for (std::size_t t = 0; t < n; ++t) {
        auto s = p.step(x[t]);
        if (t < 3) continue;
        smooth[t] = (((4 * x[t] + 3 * x[t - 1]) + 2 * x[t - 2]) + x[t - 3]) / 10;
        ASSERT_EQ(s.smooth, smooth[t]) << t;
        if (t < 9) continue;
        double adj = 0.075 * std::clamp(period, 6.0, 50.0) + 0.54;
        det[t] = ht(smooth, t) * adj;
        if (t < 15) continue;
        q1[t] = ht(det, t) * adj;
        i1[t] = det[t - 3];
        if (t < 21) continue;
        double ji = ht(i1, t) * adj, jq = ht(q1, t) * adj;
        double i2 = 0.2 * (i1[t] - jq) + 0.8 * i2p;
        double q2 = 0.2 * (q1[t] + ji) + 0.8 * q2p;
        re = 0.2 * (i2 * i2p + q2 * q2p) + 0.8 * re;
        im = 0.2 * (i2 * q2p - q2 * i2p) + 0.8 * im;
        i2p = i2;
        q2p = q2;
        double pr = (std::fabs(im) > eps && std::fabs(re) > eps) ? 2 * M_PI / std::atan2(im, re) : period;
        pr = std::clamp(std::max(std::min(pr, 1.5 * period), 0.67 * period), 6.0, 50.0);
        period = 0.2 * pr + 0.8 * period;
        ASSERT_EQ(p.i1(), i1[t]) << t;
        ASSERT_EQ(p.q1(), q1[t]) << t;
        ASSERT_EQ(p.period(), period) << t;
    }
    EXPECT_GT(period, 6.0);
}

}  // namespace
}  // namespace prynox
