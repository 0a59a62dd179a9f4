// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(williams_yang_zhang) {
    return {
        {"WilliamsR", {1}},          {"WilliamsR", {14}},          {"WilliamsR", {200}},
        {"YangZhangVolatility", {2, 252}}, {"YangZhangVolatility", {20, 252}}, {"YangZhangVolatility", {300, 1}},
    };
}

PRYNOX_CHECK_CASES(williams_yang_zhang) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    const std::string yz = "invalid period: Yang-Zhang period must be >= 2";
    std::vector<prynox::test::CheckCase> out;
    prynox::test::add_checks(out, "WilliamsR",
                             {{{0}, "parameter #0 must be a positive integer, got 0"},
                              {{1e-17}, kZero},
                              {{16777217}, kMax},
                              {{16777216}, ""},
                              {{1}, ""},
                              {{}, "missing parameter #0"}});
    prynox::test::add_checks(out, "YangZhangVolatility",
                             {{{1e-17, 252}, kZero},
                              {{20, 1e-17}, kZero},
                              {{1, 1e-17}, kZero},
                              {{16777217, 1e-17}, kZero},
                              {{1, 252}, yz},
                              {{16777217, 252}, kMax},
                              {{16777216, 1e30}, ""},
                              {{2, 1}, ""},
                              {{0, 252}, "parameter #0 must be a positive integer, got 0"},
                              {{20, 0}, "parameter #1 must be a positive integer, got 0"},
                              {{20}, "missing parameter #1"}});
    return out;
}
