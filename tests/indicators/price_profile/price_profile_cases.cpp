// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(price_profile) {
    return {
        // The naked levels are a list that grows whenever their count reaches a new high (by
        // doubling, as windows grow): these blocks leave few levels, so the list has grown to
        // its size before the allocation check starts.
        {"NakedPoc", {500, 10}},   {"NakedPoc", {300, 1}},    {"NakedPoc", {250, 24}},
        {"SinglePrints", {5, 10}}, {"SinglePrints", {1, 1}},  {"SinglePrints", {20, 50}},
        {"ProfileShape", {5, 3}},  {"ProfileShape", {20, 10}}, {"ProfileShape", {1, 7}},
        {"DumplingTop", {5}},      {"DumplingTop", {8}},      {"FryPanBottom", {5}},
        {"FryPanBottom", {12}},
    };
}

PRYNOX_CHECK_CASES(price_profile) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    std::vector<prynox::test::CheckCase> out;
    const std::string p0 = "parameter #0 must be a positive integer, got 0";
    const std::string p1 = "parameter #1 must be a positive integer, got 0";
    // The bin count above the maximum is refused after both zero checks; the window has no bound.
    for (const char* type : {"NakedPoc", "SinglePrints"})
        prynox::test::add_checks(out, type,
                                 {{{3, 10}, ""}, {{0, 10}, p0}, {{3, 0}, p1}, {{1e-17, 10}, kZero},
                                  {{3, 1e-17}, kZero}, {{1e-17, 16777217}, kZero}, {{16777217, 1e-17}, kZero},
                                  {{3, 16777217}, kMax}, {{3, 16777216}, ""}, {{1e15, 16777216}, ""},
                                  {{3}, "missing parameter #1"}});
    const std::string bins = "invalid period: profile shape needs bins >= 3";
    prynox::test::add_checks(out, "ProfileShape",
                             {{{20, 3}, ""}, {{20, 2}, bins}, {{20, 1e-17}, bins}, {{1e-17, 2}, kZero},
                              {{16777217, 2}, kMax}, {{0, 2}, p0}, {{20, 0}, p1}, {{20, 16777217}, kMax},
                              {{16777216, 16777216}, ""}, {{20}, "missing parameter #1"}});
    prynox::test::add_checks(out, "DumplingTop",
                             {{{5}, ""}, {{4}, "invalid period: dumpling top needs period >= 5"},
                              {{1e-17}, "invalid period: dumpling top needs period >= 5"}, {{0}, p0},
                              {{16777217}, kMax}, {{16777216}, ""}, {{}, "missing parameter #0"}});
    prynox::test::add_checks(out, "FryPanBottom",
                             {{{5}, ""}, {{4}, "invalid period: frying pan bottom needs period >= 5"},
                              {{1e-17}, "invalid period: frying pan bottom needs period >= 5"}, {{0}, p0},
                              {{16777217}, kMax}, {{16777216}, ""}, {{}, "missing parameter #0"}});
    return out;
}
