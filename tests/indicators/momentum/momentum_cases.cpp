// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(momentum) {
    return {
        {"BollingerBandwidth", {20, 2}},
        {"Coppock", {14, 11, 10}},
        {"DisparityIndex", {14}},
        {"Dpo", {20}},
        {"LogReturn", {10}},
        {"Mom", {10}},
        {"PercentB", {20, 2}},
        {"Pmo", {35, 20}},
        {"PolarizedFractalEfficiency", {10, 5}},
        {"Roc", {10}},
        {"Rocp", {10}},
        {"Rocr", {10}},
        {"Rocr100", {10}},
        {"Tii", {30, 15}},
        {"VerticalHorizontalFilter", {28}},
        {"WavePm", {14, 5}},
    };
}
