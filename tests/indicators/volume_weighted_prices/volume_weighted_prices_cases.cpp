// Harness rows of the volume-weighted prices: how each type is built for the shared property
// checks, and every constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(volume_weighted_prices) {
    return {
        {"AnchoredVwap", {}}, {"Vwap", {}}, {"Vwma", {1}}, {"Vwma", {4}}, {"Vwma", {20}}, {"Vwma", {300}},
    };
}

PRYNOX_CHECK_CASES(volume_weighted_prices) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    std::vector<prynox::test::CheckCase> out;
    prynox::test::add_checks(out, "Vwma",
                             {{{1e-17}, kZero}, {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""},
                              {{0}, "parameter #0 must be a positive integer, got 0"},
                              {{-3}, "parameter #0 must be a positive integer, got -3"}, {{}, "missing parameter #0"}});
    prynox::test::add_checks(out, "Vwap", {{{}, ""}, {{0}, ""}});
    prynox::test::add_checks(out, "AnchoredVwap", {{{}, ""}, {{0}, ""}});
    return out;
}
