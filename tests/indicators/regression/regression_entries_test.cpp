// Registry entries of the regression indicators: every constructor check with its message in
// the type's order, and the warm-up each built object reports.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "indicators/regression/r_squared.hpp"

namespace prynox {
namespace {

using namespace test;

TEST(RegressionEntriesTest, MinimumPeriods) {
    // A period below the minimum (0 included) reports the type's own message; MAX_PERIOD after.
    const std::vector<std::pair<std::vector<const char*>, std::string>> minimum2 = {
        {{"LinearRegression"}, "linear regression needs period >= 2"},
        {{"LinRegSlope", "LinRegAngle"}, "linear regression slope needs period >= 2"},
        {{"LinRegIntercept"}, "linear regression intercept needs period >= 2"},
        {{"Tsf"}, "time series forecast needs period >= 2"},
        {{"RSquared"}, "R² needs period >= 2"},
        {{"TsfOscillator"}, "TSF oscillator needs period >= 2"},
        {{"CorrelationTrendIndicator"}, "CTI needs period >= 2"},
    };
    for (const auto& [types, message] : minimum2)
        for (const char* type : types)
            for (const EntryCase& c : {EntryCase{type, {1e-17}, "invalid period: " + message},
                                       EntryCase{type, {1}, "invalid period: " + message}, EntryCase{type, {2}},
                                       EntryCase{type, {16777216}}, EntryCase{type, {16777217}, kMax},
                                       EntryCase{type, {1e300}, kMax}, EntryCase{type, {14, 99, -1}},
                                       EntryCase{type, {}, "missing parameter #0"},
                                       EntryCase{type, {0}, "parameter #0 must be a positive integer, got 0"}})
                EXPECT_EQ(outcome(c), c.message) << describe(c);
    const std::string se = "invalid period: standard error needs period >= 3";
    const std::string lr = "invalid period: linear regression needs period >= 2";
    const std::vector<EntryCase> cases = {
        {"StandardError", {1e-17}, se},  {"StandardError", {2}, se},     {"StandardError", {3}},
        {"StandardError", {16777217}, kMax},
        // Cfo tests zero and the maximum first, then borrows the linear regression's minimum.
        {"Cfo", {1e-17}, kZero},         {"Cfo", {1}, lr},                {"Cfo", {2}},
        {"Cfo", {16777216}},             {"Cfo", {16777217}, kMax},
    };
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << describe(c);
    EXPECT_EQ(std::string(kRSquaredPeriodMessage).size(), 21u);
}

TEST(RegressionEntriesTest, WarmUpsAndOutputs) {
    for (const char* type : {"LinearRegression", "LinRegSlope", "LinRegAngle", "LinRegIntercept", "Tsf", "RSquared",
                             "Cfo", "TsfOscillator", "StandardError", "CorrelationTrendIndicator"})
        for (double n : {3.0, 14.0, 16777216.0}) expect_built_warmup({type, {n}}, static_cast<std::uint64_t>(n));
}

TEST(RegressionEntriesTest, BuiltObjectsReadTheClose) {
    auto r = build_indicator("Tsf", std::vector<double>{3});
    ASSERT_TRUE(r);
    EXPECT_FALSE(update_close(**r, 1));
    EXPECT_FALSE(update_close(**r, 2));
    EXPECT_FALSE(update_close(**r, std::nan("")));
    EXPECT_EQ(update_close(**r, 3), 4.0);
}

}  // namespace
}  // namespace prynox
