// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

#include <limits>
#include <tuple>

using prynox::test::add_checks;
using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(spread_dynamics) {
    return {
        {"OuHalfLife", {20}},           {"RelativeStrengthAB", {10, 14}}, {"RelativeStrengthAB", {20, 5}},
        {"SpreadAr1Coefficient", {20}}, {"SpreadBollingerBands", {20, 2}}, {"SpreadHurst", {32}},
        {"SpreadHurst", {8}},           {"VarianceRatio", {20, 4}},      {"VarianceRatio", {4, 2}},
    };
}

PRYNOX_CHECK_CASES(spread_dynamics) {
    std::vector<prynox::test::CheckCase> cases;
    // A period below the minimum (0 included) reports the type's own message; MAX_PERIOD after.
    for (auto [type, k, message] : std::vector<std::tuple<const char*, double, std::string>>{
             {"OuHalfLife", 3, "OU half-life needs period >= 3"},
             {"SpreadAr1Coefficient", 3, "AR(1) spread coefficient needs period >= 3"},
             {"SpreadHurst", 8, "spread Hurst needs period >= 8"}})
        add_checks(cases, type,
                   {{{1e-17}, "invalid period: " + message}, {{k - 1}, "invalid period: " + message}, {{k}, ""},
                    {{16777216}, ""}, {{16777217}, kMax}, {{1e300}, kMax}, {{k, -1}, ""},
                    {{}, "missing parameter #0"}, {{0}, "parameter #0 must be a positive integer, got 0"}});
    const std::string q = "invalid period: variance ratio needs q >= 2",
                      vp = "invalid period: variance ratio needs period >= q + 2";
    add_checks(cases, "VarianceRatio",
               {{{1, 1}, q}, {{100, 1e-17}, q}, {{3, 2}, vp}, {{4, 2}, ""}, {{1e300, 16777216}, ""},
                {{1e300, 16777217}, kMax}, {{16777217, 16777216}, vp}, {{16777218, 16777216}, ""},
                {{5}, "missing parameter #1"}});
    const std::string bp = "invalid period: spread bollinger bands needs period >= 2",
                      bw = "invalid parameter: spread bollinger bands needs num_std > 0";
    add_checks(cases, "SpreadBollingerBands",
               {{{1e-17, 2}, bp}, {{1, 2}, bp}, {{16777217, 2}, kMax}, {{1, 0}, bp}, {{2, 0}, bw}, {{2, -0.0}, bw},
                {{2, -1}, bw}, {{2, 5e-324}, ""}, {{16777216, 1e308}, ""},
                {{2, std::numeric_limits<double>::infinity()}, "parameter #1 must be finite"}});
    add_checks(cases, "RelativeStrengthAB",
               {{{1e-17, 14}, kZero}, {{16777217, 14}, kMax}, {{10, 1e-17}, kZero}, {{10, 16777217}, kMax},
                {{1, 1}, ""}, {{16777216, 16777216}, ""}, {{10}, "missing parameter #1"}});
    return cases;
}
