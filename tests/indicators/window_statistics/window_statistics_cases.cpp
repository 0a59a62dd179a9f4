// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <cmath>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(window_statistics) {
    return {
        {"Autocorrelation", {20, 1}}, {"Autocorrelation", {9, 8}}, {"CoefficientOfVariation", {20}},
        {"DetrendedStdDev", {20}}, {"HurstExponent", {20, 4}}, {"HurstExponent", {9, 2}}, {"JarqueBera", {20}},
        {"Kurtosis", {20}}, {"MedianAbsoluteDeviation", {20}}, {"RollingIqr", {20}}, {"RollingMinMaxScaler", {20}},
        {"RollingPercentileRank", {20}}, {"RollingQuantile", {20, 0.9}}, {"SampleEntropy", {20, 2, 0.2}},
        {"SampleEntropy", {9, 2, 0.2}}, {"ShannonEntropy", {20, 10}}, {"ShannonEntropy", {9, 4}}, {"Skewness", {20}},
        {"StdDev", {20}}, {"Variance", {20}}, {"ZScore", {20}},
    };
}

PRYNOX_CHECK_CASES(window_statistics) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    using Cases = std::vector<std::pair<std::vector<double>, std::string>>;
    const std::string p = "invalid period: ", skew = p + "skewness needs period >= 3";
    const std::string kurt = p + "kurtosis needs period >= 4", jb = p + "Jarque-Bera needs period >= 4";
    const std::string scaler = p + "min-max scaler needs period >= 2", dsd = p + "detrended stddev needs period >= 2";
    const std::string quantile = "invalid parameter: rolling quantile must be a finite value in [0.0, 1.0]";
    const std::string lag = p + "autocorrelation lag must be >= 1", ac = p + "autocorrelation needs period > lag";
    const std::string chunks = p + "Hurst chunks must be >= 2", hurst = p + "Hurst period must be >= 2 * chunks";
    const std::string bins = p + "Shannon entropy needs bins >= 2", sampen = p + "sample entropy needs period >= m + 2";
    const std::string factor = "invalid parameter: sample entropy r_factor must be finite and positive";
    const Cases plain = {{{1e-17}, kZero}, {{1}, ""}, {{16777216}, ""}, {{16777217}, kMax}, {{14, 99, -1}, ""},
                         {{}, "missing parameter #0"}, {{2.5}, "parameter #0 must be a positive integer, got 2.5"}};
    std::vector<prynox::test::CheckCase> out;
    for (const auto& [type, cases] : std::vector<std::pair<std::string, Cases>>{
             {"Variance", plain}, {"StdDev", plain}, {"ZScore", plain}, {"CoefficientOfVariation", plain},
             {"RollingIqr", plain}, {"MedianAbsoluteDeviation", plain}, {"RollingPercentileRank", plain},
             {"Skewness", {{{1e-17}, skew}, {{2}, skew}, {{3}, ""}, {{16777217}, kMax}}},
             {"Kurtosis", {{{1e-17}, kurt}, {{3}, kurt}, {{4}, ""}, {{16777217}, kMax}}},
             // Zero and the maximum come before the minimum.
             {"JarqueBera", {{{1e-17}, kZero}, {{3}, jb}, {{4}, ""}, {{16777217}, kMax}}},
             {"RollingMinMaxScaler", {{{1e-17}, kZero}, {{1}, scaler}, {{2}, ""}, {{16777217}, kMax}}},
             {"DetrendedStdDev", {{{1e-17}, dsd}, {{1}, dsd}, {{2}, ""}, {{16777217}, kMax}}},
             // The window check before the quantile's range.
             {"RollingQuantile",
              {{{1e-17, 2}, kZero}, {{16777217, 2}, kMax}, {{5, 1.01}, quantile}, {{5, -0.1}, quantile},
               {{5, -5e-324}, quantile}, {{5, 0}, ""}, {{5, 1}, ""}, {{5}, "missing parameter #1"},
               {{5, std::nan("")}, "parameter #1 must be finite"}}},
             {"Autocorrelation",
              {{{1e-17, 1e-17}, lag}, {{1e-17, 1}, ac}, {{5, 5}, ac}, {{5, 4}, ""}, {{20000000, 1}, ""},
               {{1e300, 1e300}, ac}, {{5, 0}, "parameter #1 must be a positive integer, got 0"}}},
             {"HurstExponent",
              {{{7, 4}, hurst}, {{1e-17, 2}, hurst}, {{8, 1}, chunks}, {{8, 1e-17}, chunks}, {{8, 4}, ""},
               {{1e300, 16777217}, kMax}, {{1e300, 16777216}, ""}, {{33554431, 16777216}, hurst}}},
             {"ShannonEntropy",
              {{{20, 1}, bins}, {{20, 16777217}, kMax}, {{1e-17, 1}, kZero}, {{20, 1e-17}, kZero},
               {{20000000, 10}, ""}, {{1e300, 2}, ""}}},
             // m + 2 past the largest count must not wrap round to a small number.
             {"SampleEntropy",
              {{{4, 2, 0.2}, ""}, {{3, 2, 0.2}, sampen}, {{10, 2, 0}, factor}, {{10, 2, -1}, factor},
               {{10, 2, 5e-324}, ""}, {{2, 1, 0}, sampen}, {{1, 1, 0.2}, sampen}, {{3, 1, 0.2}, ""},
               {{1e-17, 2, 0.2}, kZero}, {{10, 1e-17, 0}, kZero}, {{3, 1e300, 0.2}, sampen},
               {{1e300, 1e300, 0.2}, sampen}, {{1e300, 2, 0.2}, ""}, {{10, 2}, "missing parameter #2"}}}})
        for (const auto& [params, message] : cases) out.push_back({type, params, message});
    return out;
}
