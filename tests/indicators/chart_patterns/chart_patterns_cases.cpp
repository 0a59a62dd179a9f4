// Harness rows of the family. None takes parameters, and any given are ignored.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(chart_patterns) {
    using prynox::test::WarmupRule;
    const char* why = "the first value waits for the swing pivots the prices confirm";
    std::vector<prynox::test::TypeCase> rows;
    for (const char* type : {"CupAndHandle", "DoubleTopBottom", "FlagPennant", "HeadAndShoulders", "RectangleRange",
                             "Triangle", "TripleTopBottom", "Wedge"})
        rows.push_back({type, {}, WarmupRule::NoEarlierThanWarmup, why});
    return rows;
}

PRYNOX_CHECK_CASES(chart_patterns) { return {{"Wedge", {0.1, 9}, ""}, {"DoubleTopBottom", {-1}, ""}}; }
