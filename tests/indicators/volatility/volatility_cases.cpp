// Harness rows of the family: how each type is built for the shared property checks (a few
// lengths more where the warm-up is a formula of them), and every constructor check with its
// message.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(volatility) {
    return {
        {"BipowerVariation", {20}}, {"BipowerVariation", {2}}, {"EwmaVolatility", {0.94}},
        {"Garch11", {0.000001, 0.1, 0.85}}, {"HistoricalVolatility", {20, 252}}, {"JumpIndicator", {20, 3}},
        {"JumpIndicator", {2, 1}}, {"RealizedVolatility", {20}}, {"RealizedVolatility", {1}}, {"RviVolatility", {14}},
        {"RviVolatility", {2}}, {"UlcerIndex", {14}}, {"UlcerIndex", {1}}, {"VolatilityOfVolatility", {20, 10}},
        {"VolatilityOfVolatility", {3, 7}},
    };
}

PRYNOX_CHECK_CASES(volatility) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    using Cases = std::vector<std::pair<std::vector<double>, std::string>>;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string p = "invalid period: ", hv = p + "historical volatility period must be >= 2";
    const std::string vov = p + "vol-of-vol windows must both be >= 2", jump = p + "jump indicator needs period >= 2";
    const std::string threshold = "invalid parameter: jump indicator threshold must be finite and positive";
    const std::string ewma = "invalid parameter: EWMA volatility lambda must be in the open interval (0, 1)";
    const std::string garch = "invalid parameter: GARCH(1,1) ", omega = garch + "omega must be > 0";
    const std::string signs = garch + "alpha and beta must be >= 0";
    const std::string stationary = garch + "requires alpha + beta < 1 (covariance stationarity)";
    const Cases plain = {{{0}, "parameter #0 must be a positive integer, got 0"}, {{1e-17}, kZero}, {{16777217}, kMax},
                         {{16777216}, ""}, {{1}, ""}, {{14, 99, -1}, ""}, {{}, "missing parameter #0"}};
    std::vector<prynox::test::CheckCase> out;
    for (const auto& [type, cases] : std::vector<std::pair<std::string, Cases>>{
             {"RealizedVolatility", plain}, {"UlcerIndex", plain},
             {"BipowerVariation",
              {{{1e-17}, kZero}, {{16777217}, kMax}, {{1}, p + "bipower variation period must be >= 2"}, {{2}, ""},
               {{16777216}, ""}}},
             {"RviVolatility", {{{1e-17}, kZero}, {{16777217}, kMax}, {{1}, p + "RVI period must be >= 2"}, {{2}, ""}}},
             {"HistoricalVolatility",
              {{{1, 252}, hv}, {{20, 1e-17}, kZero}, {{1, 1e-17}, kZero}, {{1e-17, 252}, kZero},
               {{16777217, 252}, kMax}, {{16777216, 1e30}, ""}, {{20}, "missing parameter #1"}}},
             {"VolatilityOfVolatility",
              {{{20, 1}, vov}, {{1, 20}, vov}, {{1, 1e-17}, kZero}, {{20000000, 20}, ""}, {{2, 2}, ""}}},
             {"JumpIndicator",
              {{{1, 0}, jump}, {{1e-17, 2}, jump}, {{16777217, 0}, kMax}, {{20, 0}, threshold}, {{20, -1}, threshold},
               {{20, -0.0}, threshold}, {{20, 5e-324}, ""}, {{2, 3}, ""}}},
             {"EwmaVolatility",
              {{{0}, ewma}, {{1}, ewma}, {{-0.5}, ewma}, {{0.94}, ""}, {{5e-324}, ""}, {{}, "missing parameter #0"}}},
             {"Garch11",
              {{{0.000001, 0.1, 0.9}, stationary}, {{0, 0.1, 0.8}, omega}, {{-1, -1, 2}, omega},
               {{0.000001, -0.1, 0.8}, signs}, {{0.000001, 0.1, -5e-324}, signs}, {{0.000001, 0.5, 0.5}, stationary},
               {{0.000001, 0.1, -0.0}, ""}, {{0.000001, 0.1, 0.85}, ""}, {{0.000001, 0.1}, "missing parameter #2"},
               {{nan, 0.1, 0.85}, "parameter #0 must be finite"}}}})
        for (const auto& [params, message] : cases) out.push_back({type, params, message});
    return out;
}
