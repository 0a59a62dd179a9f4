// Harness rows of the volume lines: how each type is built for the shared property checks, and
// every constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(volume_lines) {
    return {
        {"AdOscillator", {}}, {"Adl", {}}, {"Nvi", {}}, {"Obv", {}}, {"Pvi", {}}, {"VolumePriceTrend", {}},
        {"Wad", {}},          {"Obv", {3}},
        {"VolumeOscillator", {1, 2}},  {"VolumeOscillator", {5, 20}},  {"VolumeOscillator", {12, 300}},
        {"VolumeRsi", {1}},            {"VolumeRsi", {14}},            {"VolumeRsi", {250}},
        {"Vzo", {1}},                  {"Vzo", {14}},                  {"Vzo", {250}},
    };
}

PRYNOX_CHECK_CASES(volume_lines) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    const std::string order = "invalid period: VolumeOscillator needs fast < slow";
    std::vector<prynox::test::CheckCase> out;
    prynox::test::add_checks(out, "VolumeOscillator",
                             {{{1e-17, 5}, kZero}, {{5, 1e-17}, kZero}, {{30, 1e-17}, kZero}, {{5, 5}, order},
                              {{6, 5}, order}, {{20000000, 20000000}, order}, {{20000000, 30000000}, kMax},
                              {{5, 16777217}, kMax}, {{16777215, 16777216}, ""}, {{1, 2}, ""},
                              {{0, 5}, "parameter #0 must be a positive integer, got 0"},
                              {{5, 0}, "parameter #1 must be a positive integer, got 0"},
                              {{5.5, 10}, "parameter #0 must be a positive integer, got 5.5"},
                              {{5}, "missing parameter #1"}});
    for (const char* type : {"VolumeRsi", "Vzo"})
        prynox::test::add_checks(out, type,
                                 {{{1e-17}, kZero}, {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""},
                                  {{0}, "parameter #0 must be a positive integer, got 0"}, {{}, "missing parameter #0"}});
    for (const char* type : {"AdOscillator", "Adl", "Nvi", "Obv", "Pvi", "VolumePriceTrend", "Wad"})
        prynox::test::add_checks(out, type, {{{}, ""}, {{0, -1}, ""}});
    return out;
}
