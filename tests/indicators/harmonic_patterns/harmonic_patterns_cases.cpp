// Harness rows of the family. None takes parameters, and any given are ignored.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(harmonic_patterns) {
    using prynox::test::WarmupRule;
    const char* why = "the first value waits for the swing pivots the prices confirm";
    std::vector<prynox::test::TypeCase> rows;
    for (const char* type : {"Abcd", "Bat", "Butterfly", "Crab", "Cypher", "Gartley", "Shark", "ThreeDrives"})
        rows.push_back({type, {}, WarmupRule::NoEarlierThanWarmup, why});
    return rows;
}

PRYNOX_CHECK_CASES(harmonic_patterns) { return {{"Bat", {0.1, 9}, ""}, {"ThreeDrives", {0}, ""}}; }
