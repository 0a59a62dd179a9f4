// The EMA stage under every constructor, against one plain recomputation: the seed is the sum of
// the first inputs from -0.0, oldest first, over their count; after it, one fused multiply-add
// of alpha * x onto the rounded product one_minus_alpha * value. Exact throughout.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/indicator_test_support.hpp"
#include "indicators/cores/ema_stage.hpp"

namespace prynox {
namespace {

using test::Series;

Series ref_stage(const std::vector<double>& xs, std::size_t seed_length, double alpha, double one_minus_alpha) {
    Series out;
    double seed = -0.0;
    double value = 0.0;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t < seed_length) {
            seed += xs[t];
            if (t + 1 < seed_length) {
                out.push_back(std::nullopt);
                continue;
            }
            value = seed / static_cast<double>(seed_length);
        } else {
            value = std::fma(alpha, xs[t], one_minus_alpha * value);
        }
        out.push_back(value);
    }
    return out;
}

Series run_stage(EmaStage stage, const std::vector<double>& xs) {
    Series out;
    for (double x : xs) out.push_back(stage.step(x));
    return out;
}

struct StageCase {
    std::string name;
    std::function<EmaStage()> make;
    std::uint64_t period;
    std::size_t seed_length;
    double alpha;
    double one_minus_alpha;
};

std::vector<StageCase> stage_cases() {
    std::vector<StageCase> cases;
    for (std::uint64_t n : {1u, 2u, 9u, 26u, 200u}) {
        double a = 2.0 / (static_cast<double>(n) + 1.0);
        cases.push_back({"period " + std::to_string(n), [n] { return EmaStage(n); }, n, n, a, 1.0 - a});
    }
    // The fixed-weight MACD's fast and slow stages, and its signal stage of period 9 built the
    // same way from the weights of the period.
    cases.push_back({"weights 0.15/0.85 seed 12", [] { return EmaStage(12, EmaWeights{0.15, 0.85}); }, 12, 12, 0.15,
                     0.85});
    cases.push_back({"weights 0.075/0.925 seed 26", [] { return EmaStage(26, EmaWeights{0.075, 0.925}); }, 26, 26,
                     0.075, 0.925});
    cases.push_back({"weights of period 9", [] { return EmaStage(9, EmaWeights::of_period(9)); }, 9, 9, 0.2,
                     1.0 - 0.2});
    // Weights that do not add up to 1: each is used as given, neither derived from the other.
    cases.push_back({"weights 0.5/0.25 seed 3", [] { return EmaStage(3, EmaWeights{0.5, 0.25}); }, 3, 3, 0.5, 0.25});
    cases.push_back({"weights 0.3/0.7 seed 1", [] { return EmaStage(1, EmaWeights{0.3, 0.7}); }, 1, 1, 0.3, 0.7});
    // Own alpha with its own seed length (the second weight 1 - alpha).
    cases.push_back({"alpha 0.1 seed 1", [] { return EmaStage(20, 0.1, 1); }, 20, 1, 0.1, 1.0 - 0.1});
    cases.push_back({"alpha 2/35 seed 5", [] { return EmaStage(35, 2.0 / 35.0, 5); }, 35, 5, 2.0 / 35.0,
                     1.0 - 2.0 / 35.0});
    return cases;
}

TEST(EmaStageTest, EveryConstructorAgainstThePlainRecomputation) {
    std::vector<double> xs = test::varied_closes(600, 17, false);
    // Large and tiny magnitudes, sign changes and zeros of both signs: where a second rounding
    // or another order of the seed sum would show.
    for (double v : {1e15, -3e15, 0.0, -0.0, 7.5e-310, -1.25, 1e-3, 0.1, 0.2, 0.3}) xs.push_back(v);
    for (const auto& c : stage_cases()) {
        SCOPED_TRACE(c.name);
        EmaStage stage = c.make();
        EXPECT_EQ(stage.period(), c.period);
        EXPECT_TRUE(test::same_bits(stage.alpha(), c.alpha));
        EXPECT_TRUE(test::same_bits(stage.one_minus_alpha(), c.one_minus_alpha));
        test::expect_series(run_stage(stage, xs), ref_stage(xs, c.seed_length, c.alpha, c.one_minus_alpha));
    }
}

TEST(EmaStageTest, FixedWeightsWeighTheNewestInputAsGiven) {
    // Seeded at 0 by its first 12 (26) inputs, a step to 1 gives the newest input's weight.
    EmaStage fast(12, EmaWeights{0.15, 0.85});
    EmaStage slow(26, EmaWeights{0.075, 0.925});
    for (int i = 0; i < 11; ++i) EXPECT_FALSE(fast.step(0.0));
    EXPECT_EQ(fast.step(0.0), 0.0);
    EXPECT_EQ(fast.step(1.0), 0.15);
    for (int i = 0; i < 25; ++i) EXPECT_FALSE(slow.step(0.0));
    EXPECT_EQ(slow.step(0.0), 0.0);
    EXPECT_EQ(slow.step(1.0), 0.075);
}

TEST(EmaStageTest, ASeedOfNegativeZerosStaysNegative) {
    // The seed sum starts from -0.0: -0.0 + -0.0 keeps the sign, a start from +0.0 would not.
    for (std::uint64_t n : {1u, 3u}) {
        EmaStage by_period(n);
        EmaStage by_weights(n, EmaWeights{0.5, 0.5});
        for (std::uint64_t i = 0; i < n; ++i) {
            auto a = by_period.step(-0.0);
            auto b = by_weights.step(-0.0);
            if (i + 1 == n) {
                ASSERT_TRUE(a && b);
                EXPECT_TRUE(test::same_bits(*a, -0.0));
                EXPECT_TRUE(test::same_bits(*b, -0.0));
            }
        }
    }
}

}  // namespace
}  // namespace prynox
