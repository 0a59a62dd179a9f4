// Registry entries of the window statistics: every constructor check with its message in the
// type's order, the parameters that are not bounded by MAX_PERIOD, and the warm-ups.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using namespace test;

const std::string kSecondZero = "parameter #1 must be a positive integer, got 0";

TEST(WindowStatisticsEntriesTest, PlainWindows) {
    for (const char* type : {"Variance", "StdDev", "ZScore", "CoefficientOfVariation", "RollingIqr",
                             "MedianAbsoluteDeviation", "RollingPercentileRank"})
        for (const EntryCase& c : {EntryCase{type, {1e-17}, kZero}, EntryCase{type, {1}}, EntryCase{type, {16777216}},
                                   EntryCase{type, {16777217}, kMax}, EntryCase{type, {14, 99, -1}},
                                   EntryCase{type, {}, "missing parameter #0"},
                                   EntryCase{type, {2.5}, "parameter #0 must be a positive integer, got 2.5"}})
            EXPECT_EQ(outcome(c), c.message) << describe(c);
}

TEST(WindowStatisticsEntriesTest, ChecksInOrder) {
    const std::string skew = "invalid period: skewness needs period >= 3";
    const std::string kurt = "invalid period: kurtosis needs period >= 4";
    const std::string jb = "invalid period: Jarque-Bera needs period >= 4";
    const std::string quantile = "invalid parameter: rolling quantile must be a finite value in [0.0, 1.0]";
    const std::string scaler = "invalid period: min-max scaler needs period >= 2";
    const std::string lag = "invalid period: autocorrelation lag must be >= 1";
    const std::string ac = "invalid period: autocorrelation needs period > lag";
    const std::string dsd = "invalid period: detrended stddev needs period >= 2";
    const std::string chunks = "invalid period: Hurst chunks must be >= 2";
    const std::string hurst = "invalid period: Hurst period must be >= 2 * chunks";
    const std::string bins = "invalid period: Shannon entropy needs bins >= 2";
    const std::string sampen = "invalid period: sample entropy needs period >= m + 2";
    const std::string factor = "invalid parameter: sample entropy r_factor must be finite and positive";
    const std::vector<EntryCase> cases = {
        {"Skewness", {1e-17}, skew},
        {"Skewness", {2}, skew},
        {"Skewness", {3}},
        {"Skewness", {16777217}, kMax},
        {"Kurtosis", {1e-17}, kurt},
        {"Kurtosis", {3}, kurt},
        {"Kurtosis", {4}},
        {"Kurtosis", {16777217}, kMax},
        // Zero and the maximum come before the minimum.
        {"JarqueBera", {1e-17}, kZero},
        {"JarqueBera", {3}, jb},
        {"JarqueBera", {4}},
        {"JarqueBera", {16777217}, kMax},
        {"RollingMinMaxScaler", {1e-17}, kZero},
        {"RollingMinMaxScaler", {1}, scaler},
        {"RollingMinMaxScaler", {2}},
        {"RollingMinMaxScaler", {16777217}, kMax},
        {"DetrendedStdDev", {1e-17}, dsd},
        {"DetrendedStdDev", {1}, dsd},
        {"DetrendedStdDev", {2}},
        {"DetrendedStdDev", {16777217}, kMax},
        // The window check before the quantile's range.
        {"RollingQuantile", {1e-17, 2}, kZero},
        {"RollingQuantile", {16777217, 2}, kMax},
        {"RollingQuantile", {5, 1.01}, quantile},
        {"RollingQuantile", {5, -0.1}, quantile},
        {"RollingQuantile", {5, -5e-324}, quantile},
        {"RollingQuantile", {5, 0}},
        {"RollingQuantile", {5, 1}},
        {"RollingQuantile", {5}, "missing parameter #1"},
        {"RollingQuantile", {5, std::nan("")}, "parameter #1 must be finite"},
        {"Autocorrelation", {1e-17, 1e-17}, lag},
        {"Autocorrelation", {1e-17, 1}, ac},
        {"Autocorrelation", {5, 5}, ac},
        {"Autocorrelation", {5, 4}},
        {"Autocorrelation", {20000000, 1}},
        {"Autocorrelation", {1e300, 1e300}, ac},
        {"Autocorrelation", {5, 0}, kSecondZero},
        {"HurstExponent", {7, 4}, hurst},
        {"HurstExponent", {1e-17, 2}, hurst},
        {"HurstExponent", {8, 1}, chunks},
        {"HurstExponent", {8, 1e-17}, chunks},
        {"HurstExponent", {8, 4}},
        {"HurstExponent", {1e300, 16777217}, kMax},
        {"HurstExponent", {1e300, 16777216}},
        {"HurstExponent", {33554431, 16777216}, hurst},
        {"ShannonEntropy", {20, 1}, bins},
        {"ShannonEntropy", {20, 16777217}, kMax},
        {"ShannonEntropy", {1e-17, 1}, kZero},
        {"ShannonEntropy", {20, 1e-17}, kZero},
        {"ShannonEntropy", {20000000, 10}},
        {"ShannonEntropy", {1e300, 2}},
        {"SampleEntropy", {4, 2, 0.2}},
        {"SampleEntropy", {3, 2, 0.2}, sampen},
        {"SampleEntropy", {10, 2, 0}, factor},
        {"SampleEntropy", {10, 2, -1}, factor},
        {"SampleEntropy", {10, 2, 5e-324}},
        {"SampleEntropy", {2, 1, 0}, sampen},
        {"SampleEntropy", {1e-17, 2, 0.2}, kZero},
        {"SampleEntropy", {10, 1e-17, 0}, kZero},
        // m + 2 past the largest count must not wrap round to a small number.
        {"SampleEntropy", {3, 1e300, 0.2}, sampen},
        {"SampleEntropy", {1e300, 1e300, 0.2}, sampen},
        {"SampleEntropy", {1e300, 2, 0.2}},
        {"SampleEntropy", {10, 2}, "missing parameter #2"},
    };
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << describe(c);
}

TEST(WindowStatisticsEntriesTest, WarmUpsAndOutputs) {
    const std::vector<std::pair<EntryCase, std::uint64_t>> cases = {
        {{"Variance", {9}}, 9},
        {{"StdDev", {9}}, 9},
        {{"ZScore", {9}}, 9},
        {{"CoefficientOfVariation", {9}}, 9},
        {{"Skewness", {9}}, 9},
        {{"Kurtosis", {9}}, 9},
        {{"JarqueBera", {9}}, 9},
        {{"RollingQuantile", {9, 0.5}}, 9},
        {{"RollingIqr", {9}}, 9},
        {{"MedianAbsoluteDeviation", {9}}, 9},
        {{"RollingPercentileRank", {9}}, 9},
        {{"RollingMinMaxScaler", {9}}, 9},
        {{"Autocorrelation", {9, 2}}, 9},
        {{"DetrendedStdDev", {9}}, 9},
        {{"HurstExponent", {9, 2}}, 9},
        {{"ShannonEntropy", {9, 4}}, 9},
        {{"SampleEntropy", {9, 2, 0.2}}, 9},
        {{"Autocorrelation", {1e300, 2}}, 18446744073709551615u},
        {{"SampleEntropy", {20000000, 2, 0.2}}, 20000000},
    };
    for (const auto& [c, warmup] : cases) expect_built_warmup(c, warmup);
}

TEST(WindowStatisticsEntriesTest, BuiltObjectsReadTheClose) {
    auto r = build_indicator("Variance", std::vector<double>{2});
    ASSERT_TRUE(r);
    EXPECT_FALSE(update_close(**r, 1));
    EXPECT_FALSE(update_close(**r, std::nan("")));
    EXPECT_EQ(update_close(**r, 3), 1.0);
}

}  // namespace
}  // namespace prynox
