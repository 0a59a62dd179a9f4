// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(money_flow) {
    return {
        {"ChaikinMoneyFlow", {1}},    {"ChaikinMoneyFlow", {20}},     {"ChaikinMoneyFlow", {200}},
        {"ChaikinOscillator", {1, 2}}, {"ChaikinOscillator", {3, 10}}, {"ChaikinOscillator", {20, 300}},
        {"TwiggsMoneyFlow", {1}},     {"TwiggsMoneyFlow", {21}},      {"TwiggsMoneyFlow", {200}},
        {"Mfi", {1}},                 {"Mfi", {14}},                  {"Mfi", {200}},
        {"ForceIndex", {1}},          {"ForceIndex", {13}},           {"ForceIndex", {200}},
        {"EaseOfMovement", {1}},      {"EaseOfMovement", {14}},       {"EaseOfMovement", {200}},
        {"Kvo", {1, 2}},              {"Kvo", {34, 55}},              {"Kvo", {20, 300}},
    };
}

PRYNOX_CHECK_CASES(money_flow) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    const std::string zero_read = "parameter #0 must be a positive integer, got 0";
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"ChaikinMoneyFlow", "TwiggsMoneyFlow", "Mfi", "ForceIndex", "EaseOfMovement"})
        prynox::test::add_checks(out, type,
                                 {{{0}, zero_read}, {{1e-17}, kZero}, {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""},
                                  {{}, "missing parameter #0"}});
    const std::string chaikin = "invalid period: Chaikin Oscillator needs fast < slow", kvo = "invalid period: KVO needs fast < slow";
    prynox::test::add_checks(out, "ChaikinOscillator",
                             {{{1e-17, 5}, kZero},
                              {{5, 1e-17}, kZero},
                              {{5, 5}, chaikin},
                              {{20000000, 20000000}, chaikin},
                              {{20000000, 30000000}, kMax},
                              {{5, 30000000}, kMax},
                              {{16777215, 16777216}, ""},
                              {{5}, "missing parameter #1"}});
    prynox::test::add_checks(out, "Kvo",
                             {{{1e-17, 5}, kZero},
                              {{5, 1e-17}, kZero},
                              {{55, 34}, kvo},
                              {{20000000, 20000000}, kvo},
                              {{20000000, 30000000}, kMax},
                              {{5, 16777217}, kMax},
                              {{16777215, 16777216}, ""},
                              {{5}, "missing parameter #1"}});
    return out;
}
