// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <cmath>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(trailing_labels) {
    return {
        {"PercentageTrailingStop", {2.5}}, {"RegimeLabel", {20, 4}}, {"RenkoTrailingStop", {2}},
        {"StepTrailingStop", {1.5}},       {"TrendLabel", {20}},     {"TrendStrengthIndex", {20}},
    };
}

PRYNOX_CHECK_CASES(trailing_labels) {
    using namespace prynox::test;
    const std::string vol = "invalid period: regime label needs vol_period >= 2";
    const std::string look = "invalid period: regime label needs lookback >= 2";
    const std::string trend = "invalid period: trend label needs period >= 2";
    const std::string multiplier = "multiplier must be greater than zero";
    const double z = 1e-17, big = 16777217;  // z reads as 0 and reaches the constructor's check
    std::vector<CheckCase> cases;
    // In each type's order of checks.
    add_checks(cases, "RegimeLabel", {{{1, 1}, vol}, {{z, 5}, vol}, {{big, 1}, kMax}, {{5, 1}, look}, {{5, z}, look},
                                      {{5, big}, kMax}, {{16777216, 16777216}, ""}, {{2, 2}, ""},
                                      {{5}, "missing parameter #1"},
                                      {{0, 5}, "parameter #0 must be a positive integer, got 0"}});
    add_checks(cases, "TrendLabel", {{{1}, trend}, {{z}, trend}, {{big}, kMax}, {{2}, ""}, {{16777216}, ""}});
    add_checks(cases, "TrendStrengthIndex",
               {{{z}, kZero}, {{1}, "invalid period: period must be >= 2 for a regression"}, {{big}, kMax}, {{2}, ""},
                {{16777216}, ""}, {{}, "missing parameter #0"}});
    for (const char* stop : {"PercentageTrailingStop", "RenkoTrailingStop", "StepTrailingStop"})
        add_checks(cases, stop, {{{0}, multiplier}, {{-0.0}, multiplier}, {{-1}, multiplier}, {{5e-324}, ""},
                                 {{1e308, 1, 2}, ""}, {{}, "missing parameter #0"},
                                 {{std::nan("")}, "parameter #0 must be finite"}});
    return cases;
}
