// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(reversal_signals) {
    return {
        {"NewPriceLines", {2}},  {"NewPriceLines", {3}},  {"PivotReversal", {2, 3}}, {"PivotReversal", {1, 1}},
        {"PivotReversal", {5, 5}}, {"ThreeLineBreak", {3}}, {"ThreeLineBreak", {1}},  {"TtmTrend", {6}},
        {"TtmTrend", {1}},
    };
}

PRYNOX_CHECK_CASES(reversal_signals) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    const std::string zero_read = "parameter #0 must be a positive integer, got 0";
    const std::string count = "invalid period: new price lines count must be >= 2";
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"TtmTrend", "ThreeLineBreak"})
        prynox::test::add_checks(out, type,
                                 {{{0}, zero_read}, {{1e-17}, kZero}, {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""},
                                  {{}, "missing parameter #0"}});
    prynox::test::add_checks(out, "NewPriceLines",
                             {{{0}, zero_read}, {{1e-17}, count}, {{1}, count}, {{2}, ""}, {{16777216}, ""},
                              {{16777217}, kMax}});
    prynox::test::add_checks(out, "PivotReversal",
                             {{{0, 1}, zero_read}, {{1e-17, 3}, kZero}, {{3, 1e-17}, kZero}, {{1e-17, 1e-17}, kZero},
                              {{1, 1}, ""}, {{20000000, 1}, ""}, {{1e300, 1e300}, ""},
                              {{2}, "missing parameter #1"}});
    return out;
}
