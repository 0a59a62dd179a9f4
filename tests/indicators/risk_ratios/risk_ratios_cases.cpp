// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(risk_ratios) {
    return {
        {"AverageDrawdown", {20}},
        {"BurkeRatio", {20}},
        {"CalmarRatio", {20}},
        {"Expectancy", {20}},
        {"GainLossRatio", {20}},
        {"GainToPainRatio", {20}},
        {"KRatio", {20}},
        {"KellyCriterion", {20}},
        {"M2Measure", {20, 0.0, 0.1}},
        {"MartinRatio", {20}},
        {"MaxDrawdown", {20}},
        {"OmegaRatio", {20, 100.0}},
        {"PainIndex", {20}},
        {"ProfitFactor", {20}},
        {"RecoveryFactor", {}},
        {"SharpeRatio", {20, 0.0}},
        {"SortinoRatio", {20, 100.0}},
        {"SterlingRatio", {20}},
        {"UpsidePotentialRatio", {20, 100.0}},
        {"WinRate", {20}},
    };
}
