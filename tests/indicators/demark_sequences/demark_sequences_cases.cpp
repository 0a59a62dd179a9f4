// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::add_checks;
using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(demark_sequences) {
    const auto later = prynox::test::WarmupRule::NoEarlierThanWarmup;
    const char* run = "no value until a run of the run length has set a level";
    return {{"TdSequential", {4, 9, 2, 13}}, {"TdSequential", {2, 3, 6, 4}}, {"TdSequential", {1, 1, 1, 1}},
            {"TdLines", {4, 3}, later, run}, {"TdLines", {1, 1}, later, run}, {"TdRiskLevel", {4, 3}, later, run},
            {"TdRiskLevel", {1, 1}, later, run}, {"TdMovingAverage", {3, 5}}, {"TdMovingAverage", {1, 2}},
            {"TdRangeProjection", {}}};
}

PRYNOX_CHECK_CASES(demark_sequences) {
    std::vector<prynox::test::CheckCase> out;
    const std::string p0 = "parameter #0 must be a positive integer, got 0";
    const std::string order = "invalid period: TD moving average ST1 period must be strictly less than ST2";
    add_checks(out, "TdSequential", {{{4, 9, 2, 13}, ""}, {{1e-17, 9, 2, 13}, kZero}, {{4, 1e-17, 2, 13}, kZero},
                                     {{4, 9, 1e-17, 13}, kZero}, {{4, 9, 2, 1e-17}, kZero}, {{0, 9, 2, 13}, p0},
                                     {{1e15, 1e15, 1e15, 1e15}, ""}, {{4, 9, 2}, "missing parameter #3"}});
    for (const char* type : {"TdLines", "TdRiskLevel"})
        add_checks(out, type, {{{4, 3}, ""}, {{1e-17, 3}, kZero}, {{4, 1e-17}, kZero}, {{0, 3}, p0}, {{1e15, 1e15}, ""}, {{4}, "missing parameter #1"}});
    add_checks(out, "TdMovingAverage", {{{3, 5}, ""}, {{1e-17, 5}, kZero}, {{5, 1e-17}, kZero}, {{5, 5}, order}, {{6, 5}, order},
                                        {{16777217, 16777216}, order}, {{16777215, 16777216}, ""}, {{16777216, 16777217}, kMax},
                                        {{16777217, 16777218}, kMax}, {{0, 5}, p0}, {{3}, "missing parameter #1"}});
    add_checks(out, "TdRangeProjection", {{{}, ""}, {{5, 7}, ""}});
    return out;
}
