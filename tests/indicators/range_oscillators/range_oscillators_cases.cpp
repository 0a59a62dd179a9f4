// Harness rows of the family: how each type is built for the shared property checks (windows of
// 1 and long ones included), and every constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(range_oscillators) {
    return {
        {"HeikinAshiOscillator", {10}}, {"HeikinAshiOscillator", {1}}, {"HeikinAshiOscillator", {500}},
        {"Pgo", {14}}, {"Pgo", {1}}, {"Pgo", {500}},
        {"MassIndex", {9, 25}}, {"MassIndex", {1, 1}}, {"MassIndex", {3, 700}},
        {"ChaikinVolatility", {10, 10}}, {"ChaikinVolatility", {1, 1}}, {"ChaikinVolatility", {300, 200}},
        {"ChoppinessIndex", {14}}, {"ChoppinessIndex", {2}}, {"ChoppinessIndex", {600}},
        {"MidPrice", {14}}, {"MidPrice", {1}}, {"MidPrice", {600}},
    };
}

PRYNOX_CHECK_CASES(range_oscillators) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    const std::string chop = "invalid period: choppiness index needs period >= 2";
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"HeikinAshiOscillator", "Pgo", "MidPrice"})
        prynox::test::add_checks(out, type,
                                 {{{0}, "parameter #0 must be a positive integer, got 0"},
                                  {{1e-17}, kZero},
                                  {{16777217}, kMax},
                                  {{16777216}, ""},
                                  {{1}, ""},
                                  {{}, "missing parameter #0"}});
    prynox::test::add_checks(out, "ChoppinessIndex",
                             {{{0}, "parameter #0 must be a positive integer, got 0"},
                              {{1e-17}, chop},
                              {{1}, chop},
                              {{2}, ""},
                              {{16777217}, kMax},
                              {{16777216}, ""}});
    prynox::test::add_checks(out, "MassIndex",
                             {{{1e-17, 5}, kZero},
                              {{5, 1e-17}, kZero},
                              {{16777217, 1e-17}, kZero},
                              {{16777217, 5}, kMax},
                              {{5, 16777217}, ""},
                              {{16777216, 1e300}, ""},
                              {{9}, "missing parameter #1"}});
    prynox::test::add_checks(out, "ChaikinVolatility",
                             {{{1e-17, 5}, kZero},
                              {{20000000, 1e-17}, kMax},
                              {{16777217, 5}, kMax},
                              {{5, 1e-17}, kZero},
                              {{5, 16777217}, kMax},
                              {{16777216, 16777216}, ""},
                              {{10}, "missing parameter #1"}});
    return out;
}
