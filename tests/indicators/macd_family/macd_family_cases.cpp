// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

#include <limits>
#include <string>

using prynox::test::add_checks;
using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(macd_family) {
    return {{"Alligator", {13, 8, 5}},      {"Alligator", {1, 1, 1}},         {"GatorOscillator", {2, 5, 3}},
            {"HtPhasor", {}},               {"MacdFix", {9}},                 {"MacdFix", {1}},
            {"MacdIndicator", {12, 26, 9}}, {"MacdIndicator", {1, 2, 1}},     {"Mama", {0.5, 0.05}},
            {"Mama", {1, 1}},               {"VolumeWeightedMacd", {12, 26, 9}}, {"VolumeWeightedMacd", {1, 2, 1}},
            {"ZeroLagMacd", {12, 26, 9}},   {"ZeroLagMacd", {3, 5, 3}},       {"ZeroLagMacd", {1, 2, 1}}};
}

PRYNOX_CHECK_CASES(macd_family) {
    std::vector<prynox::test::CheckCase> cases;
    // Zeros of all three first, then fast < slow, then MAX_PERIOD.
    const std::string order = "invalid period: fast period must be strictly less than slow period";
    for (auto [type, order] : {std::pair{"MacdIndicator", order}, {"VolumeWeightedMacd", order},
                               {"ZeroLagMacd", "invalid period: ZeroLagMACD fast period must be strictly less than slow"}})
        add_checks(cases, type,
                   {{{1e-17, 26, 9}, kZero}, {{12, 1e-17, 9}, kZero}, {{16777217, 1e300, 1e-17}, kZero}, {{12, 12, 9}, order},
                    {{16777218, 16777217, 9}, order}, {{16777217, 16777218, 9}, kMax}, {{12, 26, 16777217}, kMax},
                    {{16777215, 16777216, 16777216}, ""}, {{12, 26}, "missing parameter #2"}});
    add_checks(cases, "MacdFix", {{{1e-17}, kZero}, {{16777216}, ""}, {{16777217}, kMax}, {{}, "missing parameter #0"}});
    const std::string mama = "invalid period: fast_limit, slow_limit must satisfy 0 < slow_limit <= fast_limit <= 1";
    add_checks(cases, "Mama",
               {{{0.5, 0.05}, ""}, {{1, 1}, ""}, {{5e-324, 5e-324}, ""}, {{0.05, 0.5}, mama}, {{1.5, 0.05}, mama},
                {{0.5, 0}, mama}, {{0.5, -0.05}, mama}, {{1.0000000000000002, 1}, mama},
                {{0.5, std::numeric_limits<double>::quiet_NaN()}, "parameter #1 must be finite"}});
    add_checks(cases, "HtPhasor", {{{}, ""}, {{1, 2}, ""}});
    for (const char* type : {"Alligator", "GatorOscillator"})
        add_checks(cases, type,
                   {{{13, 1e-17, 5}, kZero}, {{16777217, 8, 1e-17}, kZero}, {{16777217, 8, 5}, kMax}, {{13, 16777217, 5}, kMax},
                    {{13, 8, 16777217}, kMax}, {{16777216, 16777216, 16777216}, ""}, {{13, 8}, "missing parameter #2"}});
    return cases;
}
