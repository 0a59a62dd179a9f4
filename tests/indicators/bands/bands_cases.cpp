// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>
#include <vector>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(bands) {
    return {
        {"BollingerBands", {20, 2}},     {"BollingerBands", {1, 1}},       {"Bollinger", {5, 0.5}},
        {"DoubleBollinger", {20, 1, 2}}, {"DoubleBollinger", {2, 0.5, 3}}, {"MaEnvelope", {20, 0.025}},
        {"MaEnvelope", {1, 2}},          {"Keltner", {20, 10, 2}},         {"Keltner", {3, 5, 1.5}},
        {"StarcBands", {6, 15, 2}},      {"StarcBands", {15, 6, 1}},       {"AtrBands", {14, 2}},
        {"AtrBands", {1, 3}},            {"AccelerationBands", {20, 4}},   {"AccelerationBands", {1, 0.5}},
        {"VwapStdDevBands", {2}},        {"HurstChannel", {10, 0.5}},      {"HurstChannel", {1, 2}},
    };
}

PRYNOX_CHECK_CASES(bands) {
    using prynox::test::add_checks;
    using prynox::test::kMax;
    using prynox::test::kZero;
    std::vector<prynox::test::CheckCase> cases;
    const std::string mult = "multiplier must be greater than zero",
                      order = "invalid period: double bollinger requires k_outer > k_inner";
    // The period before the multiplier.
    add_checks(cases, "BollingerBands",
               {{{0, 2}, "parameter #0 must be a positive integer, got 0"}, {{1e-17, -1}, kZero},
                {{16777217, 0}, kMax}, {{20, 0}, mult}, {{20, -0.0}, mult}, {{20, -1}, mult}, {{20, 5e-324}, ""},
                {{16777216, 1e308}, ""}, {{20}, "missing parameter #1"}});
    // The multiplier before the period.
    for (const char* type : {"MaEnvelope", "AccelerationBands", "AtrBands", "HurstChannel"})
        add_checks(cases, type,
                   {{{1e-17, -1}, mult}, {{16777217, 0}, mult}, {{14, -0.0}, mult}, {{1e-17, 2}, kZero},
                    {{16777217, 2}, kMax}, {{16777216, 5e-324}, ""}, {{1, 1e308}, ""}, {{14}, "missing parameter #1"}});
    for (const char* type : {"Keltner", "StarcBands"})
        add_checks(cases, type,
                   {{{1e-17, 1e-17, -1}, mult}, {{20, 10, -0.0}, mult}, {{1e-17, 16777217, 2}, kZero},
                    {{16777217, 1e-17, 2}, kMax}, {{20, 1e-17, 2}, kZero}, {{20, 16777217, 2}, kMax},
                    {{16777216, 16777216, 5e-324}, ""}, {{1, 1, 2}, ""}, {{20, 10}, "missing parameter #2"}});
    // Both multipliers, their order, then the period.
    add_checks(cases, "DoubleBollinger",
               {{{1e-17, 0, 2}, mult}, {{1e-17, 2, -1}, mult}, {{1e-17, 2, 2}, order}, {{16777217, 3, 2}, order},
                {{1e-17, 1, 2}, kZero}, {{16777217, 1, 2}, kMax}, {{20, 5e-324, 1e-323}, ""},
                {{20, 1}, "missing parameter #2"}});
    add_checks(cases, "VwapStdDevBands",
               {{{0}, mult}, {{-0.0}, mult}, {{-2}, mult}, {{5e-324}, ""}, {{}, "missing parameter #0"}});
    return cases;
}
