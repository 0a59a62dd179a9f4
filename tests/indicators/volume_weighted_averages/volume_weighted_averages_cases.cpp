// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(volume_weighted_averages) {
    return {
        {"Evwma", {1}},       {"Evwma", {20}},       {"Evwma", {200}},
        {"RollingVwap", {1}}, {"RollingVwap", {20}}, {"RollingVwap", {200}},
        {"SessionVwap", {0}}, {"SessionVwap", {-300}}, {"SessionVwap", {2147483647}},
    };
}

PRYNOX_CHECK_CASES(volume_weighted_averages) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"Evwma", "RollingVwap"})
        prynox::test::add_checks(out, type,
                                 {{{0}, "parameter #0 must be a positive integer, got 0"}, {{1e-17}, kZero},
                                  {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""}, {{}, "missing parameter #0"}});
    prynox::test::add_checks(out, "SessionVwap",
                             {{{-2147483648.0}, ""}, {{2147483648.0}, "parameter #0 must be an i32, got 2147483648"},
                              {{}, "missing parameter #0"}});
    return out;
}
