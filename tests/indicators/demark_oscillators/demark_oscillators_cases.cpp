// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(demark_oscillators) {
    return {
        // The first value comes at the first pivot; the harness candles (each opening at the last
        // close, wicks of 0.5) never make one, so the family's tests feed it pivots.
        {"TdDWave", {1}, prynox::test::WarmupRule::NoEarlierThanWarmup, "the first value comes at the first pivot"},
        {"TdDWave", {3}, prynox::test::WarmupRule::NoEarlierThanWarmup, "the first value comes at the first pivot"},    {"TdDeMarker", {1}}, {"TdDeMarker", {14}},
        {"TdPressure", {1}}, {"TdPressure", {10}}, {"TdRei", {1}},     {"TdRei", {5}},
    };
}

PRYNOX_CHECK_CASES(demark_oscillators) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"TdDWave", "TdDeMarker", "TdPressure", "TdRei"})
        prynox::test::add_checks(out, type,
                                 {{{0}, "parameter #0 must be a positive integer, got 0"}, {{1e-17}, kZero},
                                  {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""}, {{}, "missing parameter #0"}});
    return out;
}
