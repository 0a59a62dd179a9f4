// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(window_statistics) {
    return {
        {"Autocorrelation", {20, 1}},
        {"CoefficientOfVariation", {20}},
        {"DetrendedStdDev", {20}},
        {"HurstExponent", {20, 4}},
        {"JarqueBera", {20}},
        {"Kurtosis", {20}},
        {"MedianAbsoluteDeviation", {20}},
        {"RollingIqr", {20}},
        {"RollingMinMaxScaler", {20}},
        {"RollingPercentileRank", {20}},
        {"RollingQuantile", {20, 0.9}},
        {"SampleEntropy", {20, 2, 0.2}},
        {"ShannonEntropy", {20, 10}},
        {"Skewness", {20}},
        {"StdDev", {20}},
        {"Variance", {20}},
        {"ZScore", {20}},
    };
}
