// Harness rows of the family: how each type is built for the shared property checks.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(regression) {
    return {
        {"Cfo", {14}},
        {"CorrelationTrendIndicator", {14}},
        {"LinRegAngle", {14}},
        {"LinRegIntercept", {14}},
        {"LinRegSlope", {14}},
        {"LinearRegression", {14}},
        {"RSquared", {14}},
        {"StandardError", {14}},
        {"Tsf", {14}},
        {"TsfOscillator", {14}},
    };
}
