// Harness rows of the range volatility estimators, and every constructor check with its message.
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(range_volatility) {
    return {
        {"GarmanKlassVolatility", {20, 252}}, {"GarmanKlassVolatility", {1, 1}},
        {"ParkinsonVolatility", {20, 252}},   {"ParkinsonVolatility", {1, 365}},
        {"RogersSatchellVolatility", {20, 252}}, {"RogersSatchellVolatility", {3, 1}},
    };
}

PRYNOX_CHECK_CASES(range_volatility) {
    using prynox::test::kZero;
    std::vector<prynox::test::CheckCase> out;
    for (const char* type : {"GarmanKlassVolatility", "ParkinsonVolatility", "RogersSatchellVolatility"})
        for (const auto& [params, message] : std::vector<std::pair<std::vector<double>, std::string>>{
                 {{0, 252}, "parameter #0 must be a positive integer, got 0"},
                 {{20, 0}, "parameter #1 must be a positive integer, got 0"},
                 {{1e-17, 252}, kZero},
                 {{20, 1e-17}, kZero},
                 {{1e-17, 1e-17}, kZero},
                 {{20}, "missing parameter #1"},
                 // Neither is bounded: the window grows with the candles seen.
                 {{16777217, 252}, ""},
                 {{1e15, 1e19}, ""},
                 {{1, 1, -5}, ""},
             })
            out.push_back({type, params, message});
    return out;
}
