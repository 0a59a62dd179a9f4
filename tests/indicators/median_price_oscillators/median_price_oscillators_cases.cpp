// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(median_price_oscillators) {
    return {
        {"AwesomeOscillator", {1, 2}},   {"AwesomeOscillator", {5, 34}},   {"AwesomeOscillator", {20, 300}},
        {"AcceleratorOscillator", {1, 2, 1}}, {"AcceleratorOscillator", {5, 34, 5}}, {"AcceleratorOscillator", {3, 40, 90}},
        {"AwesomeOscillatorHistogram", {1, 2, 1}}, {"AwesomeOscillatorHistogram", {5, 34, 5}},
        {"AwesomeOscillatorHistogram", {5, 34, 300}},
        {"Qstick", {1}},                 {"Qstick", {14}},                 {"Qstick", {200}},
        {"IntradayMomentumIndex", {1}},  {"IntradayMomentumIndex", {14}},  {"IntradayMomentumIndex", {200}},
    };
}

PRYNOX_CHECK_CASES(median_price_oscillators) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    const std::string zero_read = "parameter #0 must be a positive integer, got 0";
    const std::string ao_order = "invalid period: AO fast period must be strictly less than slow";
    const std::string aoh_order = "invalid period: AwesomeOscillatorHistogram fast must be strictly less than slow";
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"Qstick", "IntradayMomentumIndex"})
        prynox::test::add_checks(out, type,
                                 {{{0}, zero_read}, {{1e-17}, kZero}, {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""},
                                  {{}, "missing parameter #0"}});
    prynox::test::add_checks(out, "AwesomeOscillator",
                             {{{1e-17, 5}, kZero},
                              {{5, 1e-17}, kZero},
                              {{5, 5}, ao_order},
                              {{34, 5}, ao_order},
                              {{20000000, 20000000}, ao_order},
                              {{20000000, 30000000}, kMax},
                              {{5, 30000000}, kMax},
                              {{16777215, 16777216}, ""},
                              {{5}, "missing parameter #1"}});
    prynox::test::add_checks(out, "AcceleratorOscillator",
                             {{{1e-17, 5, 5}, kZero},
                              {{34, 5, 1e-17}, ao_order},
                              {{34, 5, 0}, "parameter #2 must be a positive integer, got 0"},
                              {{5, 34, 1e-17}, kZero},
                              {{5, 34, 16777217}, kMax},
                              {{5, 30000000, 5}, kMax},
                              {{5, 34, 16777216}, ""},
                              {{5, 34}, "missing parameter #2"}});
    prynox::test::add_checks(out, "AwesomeOscillatorHistogram",
                             {{{1e-17, 1, 5}, kZero},
                              {{5, 34, 1e-17}, kZero},
                              {{5, 5, 5}, aoh_order},
                              {{20000000, 30000000, 5}, kMax},
                              {{5, 20000000, 5}, kMax},
                              {{5, 34, 16777217}, ""},
                              {{5, 34, 1e300}, ""},
                              {{5, 34}, "missing parameter #2"}});
    return out;
}
