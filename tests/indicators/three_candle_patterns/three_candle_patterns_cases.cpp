// Harness rows of the family: how each type is built for the shared property checks. None takes
// parameters, and any given are ignored.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(three_candle_patterns) {
    return {
        {"AbandonedBaby", {}},         {"AdvanceBlock", {}},         {"DownsideGapThreeMethods", {}},
        {"EveningDojiStar", {}},       {"GapSideBySideWhite", {}},   {"IdenticalThreeCrows", {}},
        {"MorningDojiStar", {}},       {"MorningEveningStar", {}},   {"StalledPattern", {}},
        {"StickSandwich", {}},         {"ThreeInside", {}},          {"ThreeOutside", {}},
        {"ThreeSoldiersOrCrows", {}},  {"ThreeStarsInSouth", {}},    {"TowerTopBottom", {}},
        {"Tristar", {}},               {"TwoCrows", {}},             {"UniqueThreeRiver", {}},
        {"UpsideGapThreeMethods", {}}, {"UpsideGapTwoCrows", {}},
    };
}

PRYNOX_CHECK_CASES(three_candle_patterns) {
    return {{"AbandonedBaby", {0.5}, ""}, {"MorningDojiStar", {0.9, 2}, ""}, {"Tristar", {}, ""}};
}
