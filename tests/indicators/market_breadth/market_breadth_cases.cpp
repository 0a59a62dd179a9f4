// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(market_breadth) {
    return {
        {"AbsoluteBreadthIndex", {}}, {"AdVolumeLine", {}},          {"AdvanceDecline", {}},
        {"AdvanceDeclineRatio", {}},  {"BreadthThrust", {10}},        {"BreadthThrust", {1}},
        {"BullishPercentIndex", {}},  {"CumulativeVolumeIndex", {}},  {"HighLowIndex", {10}},
        {"McClellanOscillator", {}},  {"McClellanSummationIndex", {}}, {"NewHighsNewLows", {}},
        {"PercentAboveMa", {}},       {"TickIndex", {}},              {"Trin", {}},
        {"UpDownVolumeRatio", {}},
    };
}

PRYNOX_CHECK_CASES(market_breadth) {
    std::vector<prynox::test::CheckCase> cases;
    for (const char* type : {"BreadthThrust", "HighLowIndex"})
        for (auto [params, message] : std::vector<std::pair<std::vector<double>, std::string>>{
                 {{0}, "parameter #0 must be a positive integer, got 0"}, {{}, "missing parameter #0"},
                 {{1e-17}, kZero}, {{16777217}, kMax}, {{16777216}, ""}, {{1}, ""}, {{3, -1, 1e300}, ""}})
            cases.push_back({type, params, message});
    // The types without parameters read none, so nothing given can refuse them.
    for (const char* type : {"AbsoluteBreadthIndex", "AdVolumeLine", "AdvanceDecline", "AdvanceDeclineRatio",
                             "BullishPercentIndex", "CumulativeVolumeIndex", "McClellanOscillator",
                             "McClellanSummationIndex", "NewHighsNewLows", "PercentAboveMa", "TickIndex", "Trin",
                             "UpDownVolumeRatio"})
        cases.push_back({type, {-1, 0, 1e300}, ""});
    return cases;
}
