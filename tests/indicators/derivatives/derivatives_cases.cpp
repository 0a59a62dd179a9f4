// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <limits>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::kMax;
using prynox::test::kZero;

PRYNOX_TYPE_CASES(derivatives) {
    return {
        {"CalendarSpread", {}},         {"FundingBasis", {}},           {"FundingImpliedApr", {1095}},
        {"FundingRate", {}},            {"FundingRateMean", {8}},       {"FundingRateMean", {1}},
        {"FundingRateZScore", {5}},     {"FundingRateZScore", {1}},     {"LiquidationFeatures", {}},
        {"LongShortRatio", {}},         {"OIPriceDivergence", {24}},    {"OIPriceDivergence", {1}},
        {"OIWeighted", {}},             {"OiToVolumeRatio", {}},        {"OpenInterestDelta", {}},
        {"OpenInterestMomentum", {24}}, {"OpenInterestMomentum", {1}},  {"PerpetualPremiumIndex", {}},
        {"TakerBuySellRatio", {}},      {"TermStructureBasis", {}},
    };
}

PRYNOX_CHECK_CASES(derivatives) {
    const std::string apr = "invalid parameter: intervals_per_year must be finite and positive";
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    std::vector<prynox::test::CheckCase> cases = {
        {"FundingImpliedApr", {0}, apr},          {"FundingImpliedApr", {-0.0}, apr},
        {"FundingImpliedApr", {-3}, apr},         {"FundingImpliedApr", {-5e-324}, apr},
        {"FundingImpliedApr", {1095}, ""},        {"FundingImpliedApr", {1095.75, -1}, ""},
        {"FundingImpliedApr", {5e-324}, ""},      {"FundingImpliedApr", {}, "missing parameter #0"},
        {"FundingImpliedApr", {nan}, "parameter #0 must be finite"},
        {"FundingImpliedApr", {inf}, "parameter #0 must be finite"},
    };
    using Rows = std::vector<std::pair<std::vector<double>, std::string>>;
    for (const char* type : {"FundingRateMean", "FundingRateZScore", "OIPriceDivergence", "OpenInterestMomentum"})
        for (auto [params, message] : Rows{{{0}, "parameter #0 must be a positive integer, got 0"},
                                           {{}, "missing parameter #0"}, {{1e-17}, kZero}, {{16777217}, kMax},
                                           {{1e300}, kMax}, {{16777216}, ""}, {{1}, ""}, {{24, -1}, ""},
                                           {{2.5}, "parameter #0 must be a positive integer, got 2.5"}})
            cases.push_back({type, params, message});
    // Parameters given to a type without any are ignored.
    for (const char* type : {"CalendarSpread", "FundingBasis", "FundingRate", "LiquidationFeatures", "LongShortRatio",
                             "OIWeighted", "OiToVolumeRatio", "OpenInterestDelta", "PerpetualPremiumIndex",
                             "TakerBuySellRatio", "TermStructureBasis"})
        for (auto params : std::vector<std::vector<double>>{{}, {0, nan, -1}})
            cases.push_back({type, params, ""});
    return cases;
}
