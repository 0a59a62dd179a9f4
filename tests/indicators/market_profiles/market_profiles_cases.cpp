// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::add_checks;
using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(market_profiles) {
    return {{"VolumeProfile", {1, 1}},      {"VolumeProfile", {20, 24}},     {"TpoProfile", {1, 3}},
            {"TpoProfile", {20, 24}},       {"ValueArea", {1, 1, 1.0}},      {"ValueArea", {20, 24, 0.7}},
            {"CompositeProfile", {2, 3, 0.5}}, {"CompositeProfile", {20, 24, 0.7}}, {"HighLowVolumeNodes", {1, 2}},
            {"HighLowVolumeNodes", {20, 24}}, {"VolumeWeightedSr", {1}},     {"VolumeWeightedSr", {14}},
            {"VolatilityCone", {2, 2}},     {"VolatilityCone", {10, 20}}};
}

PRYNOX_CHECK_CASES(market_profiles) {
    std::vector<prynox::test::CheckCase> cases;
    const std::string reader0 = "parameter #0 must be a positive integer, got 0";
    const std::string reader1 = "parameter #1 must be a positive integer, got 0";
    // No maximum on the window; the bins, which cannot grow with the data, stop at the maximum.
    for (const char* type : {"VolumeProfile", "TpoProfile", "HighLowVolumeNodes"})
        add_checks(cases, type, {{{1e-17, 5}, kZero}, {{5, 1e-17}, kZero}, {{0, 5}, reader0}, {{5, 0}, reader1},
                                 {{4e9, 16777216}, ""}, {{5, 16777217}, kMax}, {{5}, "missing parameter #1"}});
    const std::string period = "invalid period: value_area_pct must be in (0, 1]";
    const std::string parameter = "invalid parameter: value_area_pct must be in (0, 1]";
    for (const auto& [type, share] : {std::pair{"ValueArea", period}, std::pair{"CompositeProfile", parameter}})
        add_checks(cases, type, {{{1e-17, 5, 2}, kZero}, {{5, 1e-17, 0.7}, kZero}, {{5, 5, 0}, share},
                                 {{5, 5, -0.5}, share}, {{5, 5, 1.5}, share}, {{5, 5, 1.0000000000000002}, share},
                                 {{16777217, 16777217, 1.5}, share}, {{5, 16777217, 1.0}, kMax}, {{5, 5, 1.0}, ""},
                                 {{5, 5, 5e-324}, ""}, {{5, 5, std::numeric_limits<double>::infinity()}, "parameter #2 must be finite"},
                                 {{5, 5}, "missing parameter #2"}});
    add_checks(cases, "VolumeWeightedSr", {{{1e-17}, kZero}, {{0}, reader0}, {{16777216}, ""}, {{16777217}, kMax}});
    const std::string cone = "invalid period: volatility cone window and lookback must both be >= 2";
    add_checks(cases, "VolatilityCone", {{{1e-17, 1}, kZero}, {{1, 1e-17}, kZero}, {{1, 20}, cone}, {{20, 1}, cone},
                                         {{2, 2}, ""}, {{4e9, 4e9}, ""}, {{20}, "missing parameter #1"}});
    return cases;
}
