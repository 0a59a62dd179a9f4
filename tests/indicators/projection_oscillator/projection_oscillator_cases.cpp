// Harness rows of the family: how the type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(projection_oscillator) {
    return {{"ProjectionOscillator", {2}}, {"ProjectionOscillator", {14}}, {"ProjectionOscillator", {150}}};
}

PRYNOX_CHECK_CASES(projection_oscillator) {
    using prynox::test::kMax;
    const std::string short_period = "invalid period: projection bands need period >= 2";
    std::vector<prynox::test::CheckCase> out;
    prynox::test::add_checks(out, "ProjectionOscillator",
                             {{{0}, "parameter #0 must be a positive integer, got 0"},
                              {{1e-17}, short_period},
                              {{1}, short_period},
                              {{2}, ""},
                              {{16777216}, ""},
                              {{16777217}, kMax},
                              {{}, "missing parameter #0"}});
    return out;
}
