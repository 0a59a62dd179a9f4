// Harness rows of the family. None takes parameters, and any given are ignored.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(harmonic_patterns) {
    std::vector<prynox::test::TypeCase> rows;
    for (const char* type : {"Abcd", "Bat", "Butterfly", "Crab", "Cypher", "Gartley", "Shark", "ThreeDrives"})
        rows.push_back(
            {type, {}, prynox::test::WarmupRule::NoEarlierThanWarmup, "waits for the pivots the prices confirm"});
    return rows;
}
