// The EMA stage under every constructor, against one plain recomputation: the seed is the sum of
// the first inputs from -0.0, oldest first, over their count; after it, one fused multiply-add
// of alpha * x onto the rounded product one_minus_alpha * value. Exact throughout.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
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

struct StageCase {
    const char* name;
    EmaStage stage;
    std::uint64_t period;
    std::size_t seed_length;
    double alpha, one_minus_alpha;
};

TEST(EmaStageTest, EveryConstructorAgainstThePlainRecomputation) {
    std::vector<double> xs = test::varied_closes(600, 17, false);
    // Large and tiny magnitudes, sign changes and zeros of both signs: where a second rounding
    // or another order of the seed sum would show. A seed of negative zeros stays -0.0 only
    // when the sum starts from -0.0; a step to 1 after a seed of 0 gives the newest weight.
    for (double v : {1e15, -3e15, 0.0, -0.0, 7.5e-310, -1.25, 1e-3, 0.1, 0.2, 0.3}) xs.push_back(v);
    std::vector<double> zeros(30, -0.0), step(30, 0.0);
    step.push_back(1.0);
    std::vector<StageCase> cases;
    for (std::uint64_t n : {1u, 2u, 3u, 9u, 26u, 200u})
        cases.push_back({"period", EmaStage(n), n, n, 2.0 / (n + 1.0), 1.0 - 2.0 / (n + 1.0)});
    // The fixed-weight MACD's stages; weights that do not add up to 1 are used as given; an own
    // alpha with its own seed length (the second weight 1 - alpha).
    cases.push_back({"0.15/0.85", EmaStage(12, EmaWeights{0.15, 0.85}), 12, 12, 0.15, 0.85});
    cases.push_back({"0.075/0.925", EmaStage(26, EmaWeights{0.075, 0.925}), 26, 26, 0.075, 0.925});
    cases.push_back({"of period 9", EmaStage(9, EmaWeights::of_period(9)), 9, 9, 0.2, 1.0 - 0.2});
    cases.push_back({"0.5/0.25", EmaStage(3, EmaWeights{0.5, 0.25}), 3, 3, 0.5, 0.25});
    cases.push_back({"0.3/0.7", EmaStage(1, EmaWeights{0.3, 0.7}), 1, 1, 0.3, 0.7});
    cases.push_back({"alpha 0.1", EmaStage(20, 0.1, 1), 20, 1, 0.1, 1.0 - 0.1});
    cases.push_back({"alpha 2/35", EmaStage(35, 2.0 / 35.0, 5), 35, 5, 2.0 / 35.0, 1.0 - 2.0 / 35.0});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " " << c.period);
        EXPECT_EQ(c.stage.period(), c.period);
        EXPECT_TRUE(test::same_bits(c.stage.alpha(), c.alpha));
        EXPECT_TRUE(test::same_bits(c.stage.one_minus_alpha(), c.one_minus_alpha));
        for (const auto* in : {&xs, &zeros, &step}) {
            EmaStage stage = c.stage;
            test::Series got;
            for (double x : *in) got.push_back(stage.step(x));
            test::expect_series(got, ref_stage(*in, c.seed_length, c.alpha, c.one_minus_alpha));
        }
    }
}

}  // namespace
}  // namespace prynox
