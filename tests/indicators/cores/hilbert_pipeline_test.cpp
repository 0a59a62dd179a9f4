// The newest-first list against a list shifted on every push, and the Hilbert pipeline's stages
// and in-phase / quadrature components against plain arrays indexed by input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

#include "indicators/cores/hilbert_pipeline.hpp"
#include "indicators/cores/newest_first.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

template <std::size_t Cap>
void expect_matches_shifted_list() {
    NewestFirst<Cap> list;
    std::deque<double> ref(Cap, 0.0);  // never-pushed elements read as 0.0
    EXPECT_TRUE(list.size() == 0 && list[Cap - 1] == 0.0);
    for (std::size_t i = 0; i < 3 * Cap + 5; ++i) {
        list.push(0.5 + static_cast<double>(i));
        ref.push_front(0.5 + static_cast<double>(i));
        ref.pop_back();
        ASSERT_TRUE(list.size() == std::min(i + 1, Cap) && list.full() == (i + 1 >= Cap)) << Cap << " " << i;
        for (std::size_t k = 0; k < Cap; ++k) ASSERT_TRUE(list[k] == ref[k] && list.view()[k] == ref[k]) << Cap << " " << i;
    }
}

TEST(NewestFirstTest, MatchesAListShiftedOnEveryPush) {
    []<std::size_t... Caps>(std::index_sequence<Caps...>) {
        (expect_matches_shifted_list<Caps>(), ...);
    }(std::index_sequence<1, 3, 4, 7, 50>{});
}

TEST(HilbertPipelineTest, StagesAndComponentsMatchPlainArrays) {
    // Each stage waits for the list it reads: prices from input 4, smoothed prices from 10, the
    // detrender from 16, the components and the period from 22.
    std::vector<double> x;
    for (std::size_t i = 0; i < 300; ++i) {
        double t = static_cast<double>(i);
        x.push_back(100.0 + 0.03 * t + 4.0 * std::sin(t / 3.1) + 1.5 * std::sin(t / 1.7));
    }
    test::RefHilbert ref(x.size());
    HilbertPipeline p;
    for (std::size_t t = 0; t < x.size(); ++t) {
        auto s = p.step(x[t]);
        const auto stage = ref.step(x, t);
        ASSERT_EQ(static_cast<int>(s.stage), static_cast<int>(stage)) << t;
        ASSERT_TRUE(p.update_count() == t + 1 && s.smooth == ref.smooth[t]) << t;
        bool measured = stage == test::RefHilbert::Measured;
        ASSERT_TRUE(!measured || (p.i1() == ref.i1[t] && p.q1() == ref.q1[t] && p.period() == ref.period)) << t;
    }
    EXPECT_GT(ref.period, 6.0);
}

}  // namespace
}  // namespace prynox
