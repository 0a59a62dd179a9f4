// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(aroon_cci) {
    return {
        {"AroonOscillator", {1}}, {"AroonOscillator", {14}}, {"AroonOscillator", {200}},
        {"Cci", {1}},             {"Cci", {20}},             {"Cci", {200}},
        {"StochasticCci", {1}},   {"StochasticCci", {14}},   {"StochasticCci", {100}},
        {"AdaptiveCci", {2}},     {"AdaptiveCci", {20}},     {"AdaptiveCci", {150}},
    };
}

PRYNOX_CHECK_CASES(aroon_cci) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    const std::string zero_read = "parameter #0 must be a positive integer, got 0";
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"AroonOscillator", "Cci", "StochasticCci"})
        prynox::test::add_checks(out, type,
                                 {{{0}, zero_read}, {{1e-17}, kZero}, {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""},
                                  {{}, "missing parameter #0"}});
    prynox::test::add_checks(out, "AdaptiveCci",
                             {{{0}, zero_read},
                              {{1e-17}, kZero},
                              {{1}, "invalid period: adaptive CCI needs period >= 2"},
                              {{16777217}, kMax},
                              {{16777216}, ""},
                              {{2}, ""},
                              {{}, "missing parameter #0"}});
    return out;
}
