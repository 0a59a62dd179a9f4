// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(trailing_labels) {
    return {
        {"PercentageTrailingStop", {2.5}},
        {"RegimeLabel", {20, 4}},
        {"RenkoTrailingStop", {2}},
        {"StepTrailingStop", {1.5}},
        {"TrendLabel", {20}},
        {"TrendStrengthIndex", {20}},
    };
}
