// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(volatility) {
    return {
        {"BipowerVariation", {20}},
        {"EwmaVolatility", {0.94}},
        {"Garch11", {0.000001, 0.1, 0.85}},
        {"HistoricalVolatility", {20, 252}},
        {"JumpIndicator", {20, 3}},
        {"RealizedVolatility", {20}},
        {"RviVolatility", {14}},
        {"UlcerIndex", {14}},
        {"VolatilityOfVolatility", {20, 10}},
    };
}
