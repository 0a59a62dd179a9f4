// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(moving_averages) {
    return {
        {"Alma", {9, 0.85, 6}},
        {"Dema", {20}},
        {"Ehma", {20}},
        {"Ema", {20}},
        {"Fama", {0.5, 0.05}},
        {"Frama", {16}},
        {"GeneralizedDema", {20, 0.7}},
        {"GeometricMa", {20}},
        {"Hma", {20}},
        {"HoltWinters", {0.5, 0.3}},
        {"Jma", {7, 0, 2}},
        {"Kama", {10, 2, 30}},
        {"McGinleyDynamic", {20}},
        {"MedianMa", {20}},
        {"MidPoint", {20}},
        {"SineWeightedMa", {20}},
        {"Sma", {20}},
        {"Smma", {20}},
        {"T3", {5, 0.7}},
        {"Tema", {20}},
        {"Trima", {20}},
        {"Vidya", {9, 14}},
        {"Wma", {20}},
        {"Zlema", {20}},
    };
}
