// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <cmath>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(ma_oscillators) {
    return {
        {"Apo", {12, 26}}, {"ElderImpulse", {13, 12, 26, 9}}, {"MacdHistogram", {12, 26, 9}}, {"Ppo", {12, 26}},
        {"PpoHistogram", {12, 26, 9}}, {"Stc", {23, 50, 10, 0.5}}, {"Trix", {15}}, {"Tsi", {25, 13}},
    };
}

PRYNOX_CHECK_CASES(ma_oscillators) {
    using namespace prynox::test;
    const std::string apo = "invalid period: APO fast period must be strictly less than slow";
    const std::string ppo = "invalid period: PPO fast period must be < slow period";
    const std::string macd = "invalid period: fast period must be strictly less than slow period";
    const std::string stc = "invalid period: STC fast period must be strictly less than slow";
    const std::string factor = "invalid period: STC factor must be a finite value in (0, 1]";
    const double z = 1e-17, big = 16777217;  // z reads as 0 and reaches the constructor's check
    std::vector<CheckCase> cases;
    // In each type's order of checks.
    add_checks(cases, "Apo", {{{z, 26}, kZero}, {{26, z}, kZero}, {{12, 12}, apo}, {{13, 12}, apo},
                              {{big + 1, big}, apo}, {{12, big}, kMax}, {{16777215, 16777216}, ""},
                              {{12}, "missing parameter #1"},
                              {{0, 26}, "parameter #0 must be a positive integer, got 0"}});
    add_checks(cases, "Ppo", {{{z, 26}, kZero}, {{12, 12}, ppo}, {{12, big}, kMax}, {{12, 26, 99, -1}, ""}});
    add_checks(cases, "PpoHistogram", {{{26, 12, z}, kZero}, {{26, 12, big}, kMax}, {{z, 12, 9}, kZero},
                                       {{26, 12, 9}, ppo}, {{12, big, 9}, kMax}, {{12, 26}, "missing parameter #2"},
                                       {{12, 26, 9}, ""}});
    add_checks(cases, "MacdHistogram", {{{12, 26, z}, kZero}, {{12, 12, 9}, macd}, {{26, 12, big}, macd},
                                        {{12, 26, big}, kMax}, {{12, big, 9}, kMax}, {{12, 26, 9}, ""}});
    add_checks(cases, "ElderImpulse", {{{z, 26, 12, 9}, kZero}, {{big, 26, 12, 9}, kMax}, {{13, 26, 12, 9}, macd},
                                       {{13, 12, 26, z}, kZero}, {{13, 12, 26, big}, kMax}, {{13, 12, 26, 9}, ""},
                                       {{13, 12, 26}, "missing parameter #3"}});
    add_checks(cases, "Tsi", {{{z, 13}, kZero}, {{25, z}, kZero}, {{big, 13}, kMax}, {{25, big}, kMax},
                              {{16777216, 16777216}, ""}});
    add_checks(cases, "Trix", {{{z}, kZero}, {{big}, kMax}, {{16777216}, ""}, {{}, "missing parameter #0"}});
    add_checks(cases, "Stc", {{{z, 50, 10, 0.5}, kZero}, {{23, 50, z, 0.5}, kZero}, {{50, 23, 10, 0}, stc},
                              {{23, 50, 10, 0}, factor}, {{23, 50, 10, -0.0}, factor},
                              {{23, 50, 10, 1.0000001}, factor}, {{23, big, 10, 2}, factor}, {{23, big, 10, 1}, kMax},
                              {{23, 50, 100000000, 0.5}, ""}, {{23, 50, 1e300, 5e-324}, ""}, {{23, 50, 10, 1}, ""},
                              {{23, 50, 10}, "missing parameter #3"},
                              {{23, 50, 10, std::nan("")}, "parameter #3 must be finite"}});
    return cases;
}
