// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(demark_counts) {
    return {
        {"TdSetup", {4, 9}},        {"TdSetup", {1, 1}},           {"TdSetup", {2, 3}},
        {"TdCountdown", {4, 9, 2, 13}}, {"TdCountdown", {2, 3, 6, 4}}, {"TdCountdown", {1, 1, 1, 1}},
        {"TdCombo", {4, 9, 2, 13}}, {"TdCombo", {3, 2, 1, 5}},     {"TdCombo", {1, 1, 3, 2}},
    };
}

PRYNOX_CHECK_CASES(demark_counts) {
    using prynox::test::kZero;
    std::vector<prynox::test::CheckCase> out;
    const std::string p0 = "parameter #0 must be a positive integer, got 0";
    prynox::test::add_checks(out, "TdSetup",
                             {{{4, 9}, ""}, {{0, 9}, p0}, {{1e-17, 9}, kZero}, {{4, 1e-17}, kZero},
                              {{4, 0}, "parameter #1 must be a positive integer, got 0"},
                              {{1e-17, 0}, "parameter #1 must be a positive integer, got 0"},
                              {{1e12, 1e12}, ""}, {{4}, "missing parameter #1"}});
    for (const char* type : {"TdCountdown", "TdCombo"})
        prynox::test::add_checks(out, type,
                                 {{{4, 9, 2, 13}, ""}, {{1e-17, 9, 2, 13}, kZero}, {{4, 1e-17, 2, 13}, kZero},
                                  {{4, 9, 1e-17, 13}, kZero}, {{4, 9, 2, 1e-17}, kZero},
                                  {{0, 9, 2, 13}, p0}, {{1e15, 1e15, 1e15, 1e15}, ""},
                                  {{4, 9, 2}, "missing parameter #3"}});
    return out;
}
