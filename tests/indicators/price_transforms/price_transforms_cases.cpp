// Harness rows of the family: how each type is built for the shared property checks. None takes
// parameters, and any given are ignored.
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(price_transforms) {
    return {
        {"AvgPrice", {}},        {"BalanceOfPower", {}}, {"BodySizePct", {}},
        {"CloseVsOpen", {}},     {"HighLowRange", {}},   {"IntradayIntensity", {}},
        {"MarketFacilitationIndex", {}}, {"MedianPrice", {}}, {"ShadowRatio", {}},
        {"TrueRange", {}},       {"TypicalPrice", {}},   {"WeightedClose", {}},
    };
}

PRYNOX_CHECK_CASES(price_transforms) {
    return {{"TrueRange", {}, ""}, {"AvgPrice", {0}, ""}, {"MedianPrice", {-1, 1e300}, ""}};
}
