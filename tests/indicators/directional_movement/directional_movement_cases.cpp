// Harness rows of the family: how each type is built for the shared property checks (short and
// long periods, 1 included), and every constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(directional_movement) {
    std::vector<prynox::test::TypeCase> out;
    for (const char* type : {"Adxr", "Atr", "Dx", "MinusDi", "MinusDm", "Natr", "PlusDi", "PlusDm", "VolatilityRatio"})
        for (double n : {1.0, 2.0, 14.0}) out.push_back({type, {n}});
    out.push_back({"Adxr", {300}});
    out.push_back({"Atr", {500}});
    out.push_back({"VolatilityRatio", {500}});
    return out;
}

PRYNOX_CHECK_CASES(directional_movement) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"Adxr", "Atr", "Dx", "MinusDi", "MinusDm", "Natr", "PlusDi", "PlusDm", "VolatilityRatio"})
        prynox::test::add_checks(out, type,
                                 {{{0}, "parameter #0 must be a positive integer, got 0"},
                                  {{1e-17}, kZero},
                                  {{16777217}, kMax},
                                  {{16777216}, ""},
                                  {{1}, ""},
                                  {{14, -1}, ""},
                                  {{}, "missing parameter #0"}});
    return out;
}
