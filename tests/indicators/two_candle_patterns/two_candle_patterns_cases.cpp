// Harness rows of the family: how each type is built for the shared property checks. None takes
// parameters, and any given are ignored.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(two_candle_patterns) {
    return {
        {"Counterattack", {}}, {"DojiStar", {}},         {"Engulfing", {}},         {"Harami", {}},
        {"HaramiCross", {}},   {"Hikkake", {}},          {"HikkakeModified", {}},   {"HomingPigeon", {}},
        {"InNeck", {}},        {"Kicking", {}},          {"KickingByLength", {}},   {"MatchingLow", {}},
        {"OnNeck", {}},        {"PiercingDarkCloud", {}}, {"SeparatingLines", {}},  {"TasukiGap", {}},
        {"Thrusting", {}},     {"Tweezer", {}},
    };
}

PRYNOX_CHECK_CASES(two_candle_patterns) {
    return {{"Tweezer", {0.5}, ""}, {"Counterattack", {1, 2}, ""}, {"Engulfing", {}, ""}};
}
