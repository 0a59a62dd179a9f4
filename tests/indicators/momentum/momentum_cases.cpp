// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <limits>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(momentum) {
    // Coppock {3, 20, 4}: the warm-up from the second period; Dpo: windows max(N / 2 + 2, N).
    return {
        {"BollingerBandwidth", {20, 2}}, {"Coppock", {14, 11, 10}}, {"Coppock", {3, 20, 4}}, {"DisparityIndex", {14}},
        {"Dpo", {20}}, {"Dpo", {1}}, {"Dpo", {2}}, {"Dpo", {3}}, {"LogReturn", {10}}, {"Mom", {10}},
        {"PercentB", {20, 2}}, {"Pmo", {35, 20}}, {"PolarizedFractalEfficiency", {10, 5}}, {"Roc", {10}},
        {"Rocp", {10}}, {"Rocr", {10}}, {"Rocr100", {10}}, {"Tii", {30, 15}}, {"Tii", {1, 1}},
        {"VerticalHorizontalFilter", {28}}, {"WavePm", {14, 5}},
    };
}

PRYNOX_CHECK_CASES(momentum) {
    const std::string pmo = "invalid period: PMO smoothing periods must be >= 2";
    const std::string mult = "multiplier must be greater than zero", finite = "parameter #1 must be finite";
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    std::vector<prynox::test::CheckCase> cases = {
        {"Coppock", {1e-17, 11, 10}, kZero},          {"Coppock", {14, 1e-17, 10}, kZero},
        {"Coppock", {14, 11, 1e-17}, kZero},          {"Coppock", {16777217, 11, 1e-17}, kZero},
        {"Coppock", {16777217, 11, 10}, kMax},        {"Coppock", {14, 16777217, 10}, kMax},
        {"Coppock", {14, 11, 16777217}, kMax},        {"Coppock", {16777216, 16777216, 16777216}, ""},
        {"Coppock", {14, 11}, "missing parameter #2"},
        {"Pmo", {1e-17, 1}, kZero},                   {"Pmo", {1, 1e-17}, kZero},
        {"Pmo", {1, 20}, pmo},                        {"Pmo", {35, 1}, pmo},
        {"Pmo", {35, 20}, ""},                        {"Pmo", {2, 2}, ""},
        {"Pmo", {100000000, 1e19}, ""},               {"Pmo", {35}, "missing parameter #1"},
        {"Tii", {1e-17, 5}, kZero},                   {"Tii", {30, 1e-17}, kZero},
        {"Tii", {16777217, 1e-17}, kZero},            {"Tii", {16777217, 5}, kMax},
        {"Tii", {16777216, 1e20}, ""},                {"Tii", {30}, "missing parameter #1"},
        {"Tii", {-1}, "parameter #0 must be a positive integer, got -1"},
    };
    using Rows = std::vector<std::pair<std::vector<double>, std::string>>;
    for (const char* type : {"Mom", "Roc", "Rocp", "Rocr", "Rocr100", "LogReturn", "DisparityIndex", "Dpo",
                             "VerticalHorizontalFilter"})
        for (auto [params, message] : Rows{{{0}, "parameter #0 must be a positive integer, got 0"},
                                           {{}, "missing parameter #0"}, {{1e-17}, kZero}, {{16777217}, kMax},
                                           {{1e300}, kMax}, {{16777216}, ""}, {{1}, ""}, {{14, 99, -1}, ""}})
            cases.push_back({type, params, message});
    // The period is checked whole before the smoothing.
    for (const char* type : {"WavePm", "PolarizedFractalEfficiency"})
        for (auto [params, message] : Rows{{{1e-17, 16777217}, kZero}, {{16777217, 1e-17}, kMax},
                                           {{14, 1e-17}, kZero}, {{14, 16777217}, kMax}, {{16777216, 16777216}, ""},
                                           {{14}, "missing parameter #1"}})
            cases.push_back({type, params, message});
    // The period before the multiplier; every parameter is read before any check; extra ones are not.
    for (const char* type : {"PercentB", "BollingerBandwidth"})
        for (auto [params, message] : Rows{{{20, 2}, ""}, {{1, 5e-324}, ""}, {{16777216, 1.7e308}, ""},
                                           {{20, 2, -1, nan}, ""}, {{1e-17, 2}, kZero}, {{1e-17, 0}, kZero},
                                           {{16777217, 2}, kMax}, {{1e300, -1}, kMax}, {{20, 0}, mult},
                                           {{20, -0.0}, mult}, {{20, -2}, mult}, {{20}, "missing parameter #1"},
                                           {{0, 2}, "parameter #0 must be a positive integer, got 0"},
                                           {{2.5, 2}, "parameter #0 must be a positive integer, got 2.5"},
                                           {{20, nan}, finite}, {{20, inf}, finite}, {{1e-17, nan}, finite},
                                           {{}, "missing parameter #0"}})
            cases.push_back({type, params, message});
    return cases;
}
