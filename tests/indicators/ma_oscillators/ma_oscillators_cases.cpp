// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(ma_oscillators) {
    return {
        {"Apo", {12, 26}},
        {"ElderImpulse", {13, 12, 26, 9}},
        {"MacdHistogram", {12, 26, 9}},
        {"Ppo", {12, 26}},
        {"PpoHistogram", {12, 26, 9}},
        {"Stc", {23, 50, 10, 0.5}},
        {"Trix", {15}},
        {"Tsi", {25, 13}},
    };
}
