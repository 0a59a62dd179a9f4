// Registry entries of the cycle measurement types: every check of the periodogram with its
// message in order, the parameterless types built from any list, warm-ups and feeds, and the
// boxed objects giving the values of their states.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/cycles/autocorrelation_periodogram.hpp"
#include "indicators/cycles/ht_trend_mode.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::EntryCase;
using test::kZero;
using test::outcome;

const std::string kOrder =
    "invalid period: autocorrelation periodogram needs AvgLength < min_period < max_period";
const std::string kRoofing = "invalid period: lp_period must be strictly less than hp_period";
const char* const kParameterless[] = {"HtDcPhase", "SineWave", "HtTrendMode", "HilbertDominantCycle",
                                      "AdaptiveCycle"};

TEST(CycleEntriesTest, AutocorrelationPeriodogramChecksInOrder) {
    const char* t = "AutocorrelationPeriodogram";
    const std::vector<EntryCase> cases = {
        {t, {}, "missing parameter #0"},
        {t, {8}, "missing parameter #1"},
        {t, {0, 48}, "parameter #0 must be a positive integer, got 0"},
        {t, {8.5, 48}, "parameter #0 must be a positive integer, got 8.5"},
        {t, {8, -48}, "parameter #1 must be a positive integer, got -48"},
        // Zeros first (a value that reads as 0), before the order and roofing rules.
        {t, {1e-17, 48}, kZero},
        {t, {8, 1e-17}, kZero},
        {t, {3, 1e-17}, kZero},
        {t, {1e-17, 5}, kZero},
        // 3 < min_period < max_period.
        {t, {3, 48}, kOrder},
        {t, {1, 2}, kOrder},
        {t, {10, 10}, kOrder},
        {t, {12, 11}, kOrder},
        {t, {5, 4}, kOrder},
        // Then max_period above the smoother's length 10.
        {t, {8, 10}, kRoofing},
        {t, {4, 5}, kRoofing},
        {t, {4, 11}, ""},
        {t, {8, 48}, ""},
        {t, {10, 300}, ""},
        // Neither period is bounded by MAX_PERIOD.
        {t, {16777217, 16777218}, ""},
        {t, {4, 1e300}, ""},
        {t, {8, 48, std::nan(""), -1}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << test::describe(c);
}

TEST(CycleEntriesTest, ParameterlessTypesBuildFromAnyList) {
    const double nan = std::nan("");
    for (const char* type : kParameterless) {
        for (const std::vector<double>& params :
             {std::vector<double>{}, {14}, {0, -3.5, nan, std::numeric_limits<double>::infinity()}}) {
            auto r = build_indicator(type, params);
            ASSERT_TRUE(r) << type;
            EXPECT_EQ((*r)->warmup_period(), 50u) << type;
        }
        EXPECT_EQ(indicator_feed(type), Feed::Kline) << type;
    }
    EXPECT_EQ(indicator_feed("AutocorrelationPeriodogram"), Feed::Kline);
}

TEST(CycleEntriesTest, AutocorrelationPeriodogramWarmUps) {
    const std::vector<std::pair<std::vector<double>, std::uint64_t>> cases = {
        {{8, 48}, 51},
        {{4, 11}, 14},
        {{10, 300}, 303},
        {{4, 20000000}, 20000003},
        {{4, 1e300}, std::numeric_limits<std::uint64_t>::max()},
    };
    for (const auto& [params, warmup] : cases) test::expect_built_warmup({"AutocorrelationPeriodogram", params}, warmup);
}

TEST(CycleEntriesTest, BoxedObjectsGiveTheirStatesValues) {
    // Through the registry's box the close of each bar reaches the state unchanged.
    std::vector<double> xs = test::varied_closes(200, 11, true);
    auto boxed = build_indicator("AutocorrelationPeriodogram", std::vector<double>{8, 48});
    auto trend = build_indicator("HtTrendMode", std::vector<double>{});
    ASSERT_TRUE(boxed && trend);
    auto state = *AutocorrelationPeriodogram::create(8, 48);
    auto trend_state = *HtTrendMode::create();
    std::size_t values = 0;
    for (double x : xs) {
        Candle c{0, x, x, x, x, 1.0};
        BarContext ctx;
        ctx.candle = &c;
        auto a = (*boxed)->update(ctx);
        auto b = state.update_value(x);
        ASSERT_EQ(a, b);
        ASSERT_EQ((*trend)->update(ctx), trend_state.update_value(x));
        values += a ? 1 : 0;
    }
    EXPECT_GT(values, 100u);
}

}  // namespace
}  // namespace prynox
