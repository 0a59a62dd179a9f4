// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message, in the order the checks run.
#include <limits>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(cycles) {
    return {
        {"AdaptiveCycle", {}}, {"HilbertDominantCycle", {}}, {"HtDcPhase", {}}, {"HtTrendMode", {}}, {"SineWave", {}},
        // The first value on close max_period + 3.
        {"AutocorrelationPeriodogram", {10, 48}}, {"AutocorrelationPeriodogram", {8, 48}},
        {"AutocorrelationPeriodogram", {4, 11}},
    };
}

PRYNOX_CHECK_CASES(cycles) {
    const std::string order = "invalid period: autocorrelation periodogram needs AvgLength < min_period < max_period";
    const std::string roofing = "invalid period: lp_period must be strictly less than hp_period";
    const std::string& zero = prynox::test::kZero;
    const char* t = "AutocorrelationPeriodogram";
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<prynox::test::CheckCase> cases = {
        {t, {}, "missing parameter #0"}, {t, {8}, "missing parameter #1"},
        {t, {0, 48}, "parameter #0 must be a positive integer, got 0"},
        {t, {8.5, 48}, "parameter #0 must be a positive integer, got 8.5"},
        {t, {8, -48}, "parameter #1 must be a positive integer, got -48"},
        // Zeros first (a value that reads as 0), before the order and roofing rules.
        {t, {1e-17, 48}, zero}, {t, {8, 1e-17}, zero}, {t, {3, 1e-17}, zero}, {t, {1e-17, 5}, zero},
        // 3 < min_period < max_period.
        {t, {3, 48}, order}, {t, {1, 2}, order}, {t, {10, 10}, order}, {t, {12, 11}, order}, {t, {5, 4}, order},
        // Then max_period above the smoother's length 10.
        {t, {8, 10}, roofing}, {t, {4, 5}, roofing}, {t, {4, 11}, ""}, {t, {8, 48}, ""}, {t, {10, 300}, ""},
        // Neither period is bounded by MAX_PERIOD.
        {t, {16777217, 16777218}, ""}, {t, {4, 1e300}, ""}, {t, {8, 48, nan, -1}, ""},
    };
    // The types without parameters build from any list.
    for (const char* type : {"HtDcPhase", "SineWave", "HtTrendMode", "HilbertDominantCycle", "AdaptiveCycle"})
        for (const std::vector<double>& params :
             {std::vector<double>{}, {14}, {0, -3.5, nan, std::numeric_limits<double>::infinity()}})
            cases.push_back({type, params, ""});
    return cases;
}
