// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(regression) {
    return {
        {"Cfo", {14}},         {"CorrelationTrendIndicator", {14}}, {"LinRegAngle", {14}}, {"LinRegIntercept", {14}},
        {"LinRegSlope", {14}}, {"LinearRegression", {14}},          {"RSquared", {14}},    {"StandardError", {14}},
        {"Tsf", {14}},         {"TsfOscillator", {14}},
    };
}

PRYNOX_CHECK_CASES(regression) {
    const std::string se = "invalid period: standard error needs period >= 3";
    const std::string lr = "invalid period: linear regression needs period >= 2";
    std::vector<prynox::test::CheckCase> cases = {
        {"StandardError", {1e-17}, se}, {"StandardError", {2}, se}, {"StandardError", {3}, ""},
        {"StandardError", {16777217}, kMax},
        // Cfo tests zero and the maximum first, then borrows the linear regression's minimum.
        {"Cfo", {1e-17}, kZero}, {"Cfo", {1}, lr}, {"Cfo", {2}, ""}, {"Cfo", {16777216}, ""}, {"Cfo", {16777217}, kMax},
    };
    // A period below the minimum (0 included) reports the type's own message; MAX_PERIOD after.
    for (auto [type, message] : std::vector<std::pair<const char*, std::string>>{
             {"LinearRegression", "linear regression needs period >= 2"},
             {"LinRegSlope", "linear regression slope needs period >= 2"},
             {"LinRegAngle", "linear regression slope needs period >= 2"},
             {"LinRegIntercept", "linear regression intercept needs period >= 2"},
             {"Tsf", "time series forecast needs period >= 2"},
             {"RSquared", "R² needs period >= 2"},
             {"TsfOscillator", "TSF oscillator needs period >= 2"},
             {"CorrelationTrendIndicator", "CTI needs period >= 2"}})
        for (auto [params, text] : std::vector<std::pair<std::vector<double>, std::string>>{
                 {{1e-17}, "invalid period: " + message}, {{1}, "invalid period: " + message},
                 {{2}, ""}, {{16777216}, ""}, {{16777217}, kMax}, {{1e300}, kMax}, {{14, 99, -1}, ""},
                 {{}, "missing parameter #0"}, {{0}, "parameter #0 must be a positive integer, got 0"}})
            cases.push_back({type, params, text});
    return cases;
}
