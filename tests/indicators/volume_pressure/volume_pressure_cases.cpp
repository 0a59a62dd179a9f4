// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(volume_pressure) {
    return {
        {"BetterVolume", {1}},       {"BetterVolume", {20}},       {"BetterVolume", {200}},
        {"DemandIndex", {1}},        {"DemandIndex", {19}},        {"DemandIndex", {200}},
        {"TradeVolumeIndex", {0}},   {"TradeVolumeIndex", {0.5}},  {"TradeVolumeIndex", {1e9}},
        {"Tsv", {1}},                {"Tsv", {13}},                {"Tsv", {200}},
    };
}

PRYNOX_CHECK_CASES(volume_pressure) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"BetterVolume", "DemandIndex", "Tsv"})
        prynox::test::add_checks(out, type,
                                 {{{0}, "parameter #0 must be a positive integer, got 0"}, {{1e-17}, kZero},
                                  {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""}, {{}, "missing parameter #0"}});
    prynox::test::add_checks(
        out, "TradeVolumeIndex",
        {{{0.0}, ""}, {{-0.0}, ""}, {{5e-324}, ""}, {{-0.5}, "invalid parameter: trade volume index min_tick must be finite and non-negative"},
         {{}, "missing parameter #0"}});
    return out;
}
