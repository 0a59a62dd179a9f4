// Harness rows of the family. The Fibonacci types take no parameters, and any given are ignored;
// the pitchfork takes its pivot span. Every type waits for the pivots the prices confirm: k
// pivots take k + 1 bars at least.
#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(fibonacci_levels) {
    using prynox::test::WarmupRule;
    std::vector<prynox::test::TypeCase> rows = {
        {"FibTimeZones", {}, WarmupRule::NoEarlierThanWarmup, "one pivot suffices: bar 2 at the earliest"}};
    for (const char* type : {"AutoFib", "FibArcs", "FibChannel", "FibConfluence", "FibExtension", "FibFan",
                             "FibProjection", "FibRetracement", "GoldenPocket"})
        rows.push_back({type, {}, WarmupRule::NoEarlierThanWarmup, "waits for the pivots the prices confirm"});
    for (double span : {1.0, 2.0, 5.0})
        rows.push_back({"AndrewsPitchfork", {span}, WarmupRule::NoEarlierThanWarmup, "then for three pivots"});
    return rows;
}

PRYNOX_CHECK_CASES(fibonacci_levels) {
    using namespace prynox::test;
    return {{"AndrewsPitchfork", {0}, "parameter #0 must be a positive integer, got 0"},
            {"AndrewsPitchfork", {1e-17}, kZero}, {"AndrewsPitchfork", {16777217}, kMax},
            {"AndrewsPitchfork", {16777216}, ""}, {"AndrewsPitchfork", {}, "missing parameter #0"},
            {"FibConfluence", {5, 7}, ""}};
}
