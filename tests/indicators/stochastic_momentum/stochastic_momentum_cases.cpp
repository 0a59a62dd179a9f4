// Harness rows of the family: how each type is built for the shared property checks (windows of
// 1 and long ones included), and every constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(stochastic_momentum) {
    return {
        {"Smi", {10, 3, 3}}, {"Smi", {1, 1, 1}}, {"Smi", {14, 1, 5}}, {"Smi", {300, 20, 40}},
        {"UltimateOscillator", {7, 14, 28}}, {"UltimateOscillator", {1, 1, 1}}, {"UltimateOscillator", {28, 14, 7}},
        {"UltimateOscillator", {3, 400, 2}}, {"Rvi", {10}}, {"Rvi", {1}}, {"Rvi", {400}},
        {"Inertia", {14, 20}}, {"Inertia", {2, 2}}, {"Inertia", {200, 100}},
    };
}

PRYNOX_CHECK_CASES(stochastic_momentum) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    const std::string rvi = "invalid period: RVI period must be >= 2";
    const std::string line = "invalid period: linear regression needs period >= 2";
    std::vector<prynox::test::CheckCase> out;
    prynox::test::add_checks(out, "Smi",
                             {{{0, 3, 3}, "parameter #0 must be a positive integer, got 0"},
                              {{1e-17, 3, 3}, kZero},
                              {{5, 1e-17, 3}, kZero},
                              {{5, 3, 1e-17}, kZero},
                              {{5, 16777217, 1e-17}, kZero},
                              {{5, 16777217, 3}, kMax},
                              {{5, 3, 16777217}, kMax},
                              {{16777217, 3, 3}, ""},
                              {{1e300, 16777216, 16777216}, ""},
                              {{5, 3}, "missing parameter #2"}});
    prynox::test::add_checks(out, "UltimateOscillator",
                             {{{1e-17, 1, 1}, kZero},
                              {{1, 16777217, 1e-17}, kZero},
                              {{16777217, 1, 1}, ""},
                              {{1e300, 1e300, 1e300}, ""},
                              {{7, 14}, "missing parameter #2"}});
    prynox::test::add_checks(out, "Rvi",
                             {{{0}, "parameter #0 must be a positive integer, got 0"},
                              {{1e-17}, kZero},
                              {{16777217}, kMax},
                              {{16777216}, ""},
                              {{1}, ""}});
    prynox::test::add_checks(out, "Inertia",
                             {{{1e-17, 2}, kZero},
                              {{2, 1e-17}, kZero},
                              {{1, 1e-17}, kZero},
                              {{16777217, 1}, kMax},
                              {{1, 16777217}, rvi},
                              {{2, 1}, line},
                              {{2, 16777217}, kMax},
                              {{16777216, 16777216}, ""},
                              {{2, 2}, ""},
                              {{2}, "missing parameter #1"}});
    return out;
}
