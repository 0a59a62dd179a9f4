// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <cmath>
#include <limits>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(moving_averages) {
    return {
        {"Alma", {9, 0.85, 6}}, {"Dema", {20}}, {"Ehma", {20}}, {"Ema", {20}}, {"Fama", {0.5, 0.05}},
        {"Frama", {16}}, {"GeneralizedDema", {20, 0.7}}, {"GeometricMa", {20}}, {"Hma", {20}},
        {"HoltWinters", {0.5, 0.3}}, {"Jma", {7, 0, 2}}, {"Kama", {10, 2, 30}}, {"McGinleyDynamic", {20}},
        {"MedianMa", {20}}, {"MidPoint", {20}}, {"SineWeightedMa", {20}}, {"Sma", {20}}, {"Smma", {20}},
        {"T3", {5, 0.7}}, {"Tema", {20}}, {"Trima", {20}}, {"Vidya", {9, 14}}, {"Wma", {20}}, {"Zlema", {20}},
    };
}

PRYNOX_CHECK_CASES(moving_averages) {
    using namespace prynox::test;
    const std::string t3 = "invalid period: T3 volume factor must be a finite value in [0.0, 1.0]";
    const std::string gd = "invalid period: GD volume factor must be a finite value in [0.0, 1.0]";
    const std::string offset = "invalid period: ALMA offset must be a finite value in [0, 1]";
    const std::string sigma = "invalid period: ALMA sigma must be a finite positive value";
    const std::string power = "invalid period: JMA power must be in 1..=4";
    const std::string kama = "invalid period: KAMA fast period must be strictly less than slow";
    const std::string limits = "invalid period: fast_limit, slow_limit must satisfy 0 < slow_limit <= fast_limit <= 1";
    const std::string alpha = "invalid period: HoltWinters alpha must be in (0.0, 1.0]";
    const std::string beta = "invalid period: HoltWinters beta must be in (0.0, 1.0]";
    const double z = 1e-17, big = 16777217;  // z reads as 0 and reaches the constructor's check
    std::vector<CheckCase> cases;
    // In each type's order of checks.
    add_checks(cases, "Frama", {{{z}, kZero}, {{big}, kMax}, {{big + 1}, kMax}, {{2}, ""}, {{16777216}, ""},
                                {{1}, "invalid period: FRAMA period must be at least 2"},
                                {{3}, "invalid period: FRAMA period must be even"}});
    add_checks(cases, "T3", {{{z, 2}, kZero}, {{big, 2}, kMax}, {{5, 1.0000001}, t3}, {{5, -0.1}, t3}, {{5, 0}, ""},
                             {{5, 1}, ""}, {{5}, "missing parameter #1"}});
    add_checks(cases, "GeneralizedDema",
               {{{z, 0.5}, kZero}, {{5, 1.0000001}, gd}, {{5, -5e-324}, gd}, {{5, 0}, ""}, {{5, 1}, ""}});
    add_checks(cases, "Alma", {{{z, 2, -1}, kZero}, {{9, 1.5, 6}, offset}, {{9, -0.1, 6}, offset}, {{9, 2, 0}, offset},
                               {{9, 0.85, 0}, sigma}, {{9, 0.85, -1}, sigma}, {{9, 0, 5e-324}, ""}, {{9, 1, 6}, ""},
                               {{9, 0.85}, "missing parameter #2"}});
    add_checks(cases, "Jma", {{{z, 0, 9}, kZero}, {{7, 0, 0}, power}, {{7, 0, 5}, power}, {{7, -1000, 1}, ""},
                              {{7, 1e308, 4}, ""}, {{7, 0, 2.5}, "parameter #2 must be a u32, got 2.5"},
                              {{7, 0, -1}, "parameter #2 must be a u32, got -1"},
                              {{7, std::numeric_limits<double>::infinity(), 2}, "parameter #1 must be finite"}});
    add_checks(cases, "Kama", {{{z, 2, 30}, kZero}, {{10, z, 30}, kZero}, {{10, 30, z}, kZero}, {{10, 30, 30}, kama},
                               {{10, 31, 30}, kama}, {{20000000, 2, 30}, ""}, {{10, 20000000, 30000000}, ""},
                               {{1e300, 2, 30}, ""}});
    add_checks(cases, "Vidya", {{{z, 9}, kZero}, {{9, z}, kZero}, {{z, big}, kZero}, {{9, big}, kMax},
                                {{100000000, 9}, ""}, {{9, 16777216}, ""}});
    add_checks(cases, "Fama", {{{0.5, 0.05}, ""}, {{1, 1}, ""}, {{0.05, 0.5}, limits}, {{1.5, 0.05}, limits},
                               {{0.5, 0}, limits}, {{0.5, -0.1}, limits},
                               {{0.5, std::nan("")}, "parameter #1 must be finite"}});
    add_checks(cases, "HoltWinters", {{{0, 0.5}, alpha}, {{-0.0, 0.5}, alpha}, {{1.0000001, 0.5}, alpha},
                                      {{0, 0}, alpha}, {{1, 0.5}, ""}, {{0.5, 0}, beta}, {{0.5, 1.5}, beta},
                                      {{0.5, 1}, ""}});
    // The one-window types share their checks: a 0 is refused by the reader, a value that reads
    // as 0 reaches the window check.
    for (const char* type : {"Sma", "Wma", "Ema", "Smma", "McGinleyDynamic", "GeometricMa", "MedianMa", "MidPoint",
                             "Dema", "Tema", "Trima", "Hma", "Ehma", "Zlema", "SineWeightedMa"})
        add_checks(cases, type, {{{0}, "parameter #0 must be a positive integer, got 0"}, {{z}, kZero}, {{big}, kMax},
                                 {{16777216}, ""}, {{1}, ""}, {{14, 99, -1}, ""}, {{}, "missing parameter #0"},
                                 {{2.5}, "parameter #0 must be a positive integer, got 2.5"}});
    return cases;
}
