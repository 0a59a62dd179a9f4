// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::add_checks;
using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(pivot_levels) {
    return {{"Camarilla", {}},       {"CentralPivotRange", {}}, {"ClassicPivots", {}},   {"DemarkPivots", {}},
            {"FibonacciPivots", {}}, {"WoodiePivots", {}},      {"MurreyMathLines", {1}}, {"MurreyMathLines", {20}}};
}

PRYNOX_CHECK_CASES(pivot_levels) {
    std::vector<prynox::test::CheckCase> cases;
    // Extra parameters are ignored.
    for (const char* type : {"Camarilla", "CentralPivotRange", "ClassicPivots", "DemarkPivots", "FibonacciPivots", "WoodiePivots"})
        add_checks(cases, type, {{{}, ""}, {{5, 7}, ""}});
    add_checks(cases, "MurreyMathLines", {{{1e-17}, kZero}, {{0}, "parameter #0 must be a positive integer, got 0"},
                                          {{16777216}, ""}, {{16777217}, kMax}, {{}, "missing parameter #0"}});
    return cases;
}
