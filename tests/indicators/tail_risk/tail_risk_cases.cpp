// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(tail_risk) {
    return {
        {"CommonSenseRatio", {20}},
        {"ConditionalValueAtRisk", {20, 0.95}},
        {"TailRatio", {20}},
        {"ValueAtRisk", {20, 0.95}},
    };
}
