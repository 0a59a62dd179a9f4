// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(candle_transforms) {
    return {{"HeikinAshi", {}},    {"SmoothedHeikinAshi", {1}}, {"SmoothedHeikinAshi", {10}}, {"CandleVolume", {1}},
            {"CandleVolume", {20}}, {"Equivolume", {1}},        {"Equivolume", {20}}};
}

PRYNOX_CHECK_CASES(candle_transforms) {
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"SmoothedHeikinAshi", "CandleVolume", "Equivolume"})
        prynox::test::add_checks(out, type, {{{1e-17}, prynox::test::kZero}, {{0}, "parameter #0 must be a positive integer, got 0"},
                                             {{16777216}, ""}, {{16777217}, prynox::test::kMax}, {{}, "missing parameter #0"}});
    prynox::test::add_checks(out, "HeikinAshi", {{{}, ""}, {{5, 7}, ""}});
    return out;
}
