// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(rsi_family) {
    return {
        {"AdaptiveRsi", {14}},
        {"AnchoredRsi", {}},
        {"Cmo", {14}},
        {"ConnorsRsi", {3, 2, 100}},
        {"DerivativeOscillator", {14, 5, 3, 9}},
        {"DynamicMomentumIndex", {14}},
        {"FisherRsi", {14}},
        {"Rmi", {14, 5}},
        {"Rsi", {14}},
        {"Rsx", {14}},
        {"StochRsi", {14, 14}},
    };
}
