// Harness rows of the family: how each type is built for the shared property checks. None takes
// parameters, and any given are ignored.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(multi_candle_patterns) {
    return {
        {"Breakaway", {}},    {"ConcealingBabySwallow", {}}, {"FallingThreeMethods", {}}, {"LadderBottom", {}},
        {"MatHold", {}},      {"RisingThreeMethods", {}},    {"ThreeLineStrike", {}},
    };
}

PRYNOX_CHECK_CASES(multi_candle_patterns) {
    return {{"MatHold", {0.9}, ""}, {"ThreeLineStrike", {}, ""}};
}
