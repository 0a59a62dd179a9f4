// Harness rows of the family: how each type is built for the shared property checks. None takes
// parameters, and any given are ignored.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(single_candle_patterns) {
    using prynox::test::WarmupRule;
    const char* window = "five candles fill the range window; the sixth gives the first value";
    return {
        {"BeltHold", {}},        {"ClosingMarubozu", {}}, {"Doji", {}},           {"DragonflyDoji", {}},
        {"GravestoneDoji", {}},  {"Hammer", {}},          {"HangingMan", {}},     {"HighWave", {}},
        {"InvertedHammer", {}},  {"LongLeggedDoji", {}},  {"Marubozu", {}},       {"OpeningMarubozu", {}},
        {"RickshawMan", {}},     {"ShootingStar", {}},    {"SpinningTop", {}},    {"Takuri", {}},
        {"LongLine", {}, WarmupRule::NoEarlierThanWarmup, window},
        {"ShortLine", {}, WarmupRule::NoEarlierThanWarmup, window},
    };
}

PRYNOX_CHECK_CASES(single_candle_patterns) {
    return {{"Doji", {0.5}, ""}, {"ShortLine", {3}, ""}, {"Hammer", {}, ""}};
}
