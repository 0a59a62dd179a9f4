// Harness rows of the family: how each type is built for the shared property checks (the
// shortest windows besides the usual ones), and every constructor check with its message.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(pair_statistics) {
    return {
        {"Alpha", {20, 0.001}}, {"Alpha", {2, 0.0}}, {"Beta", {20}}, {"Beta", {2}}, {"BetaNeutralSpread", {20}},
        {"BetaNeutralSpread", {2}}, {"DistanceSsd", {20}}, {"DistanceSsd", {2}}, {"EstimatedLeverageRatio", {}},
        {"InformationRatio", {20}}, {"InformationRatio", {2}}, {"KendallTau", {20}}, {"KendallTau", {2}},
        {"PairSpreadZScore", {20, 10}}, {"PairSpreadZScore", {2, 2}}, {"PairSpreadZScore", {3, 7}},
        {"PairwiseBeta", {20}}, {"PairwiseBeta", {2}}, {"PearsonCorrelation", {20}}, {"PearsonCorrelation", {2}},
        {"RollingCorrelation", {20}}, {"RollingCorrelation", {2}}, {"RollingCovariance", {20}},
        {"RollingCovariance", {2}}, {"SpearmanCorrelation", {20}}, {"SpearmanCorrelation", {2}},
        {"TreynorRatio", {20, 0.001}}, {"TreynorRatio", {2, -0.5}},
    };
}

PRYNOX_CHECK_CASES(pair_statistics) {
    using prynox::test::kMax;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::string p = "invalid period: ", zero = "parameter #0 must be a positive integer, got 0";
    std::vector<prynox::test::CheckCase> out;
    // The single-period types: the reader, then the type's minimum of 2 (which 0 from a tiny
    // value also meets), then MAX_PERIOD; parameters beyond the period are ignored.
    for (const auto& [type, message] : std::vector<std::pair<std::string, std::string>>{
             {"Beta", "beta needs period >= 2"},
             {"BetaNeutralSpread", "beta-neutral spread needs period >= 2"},
             {"DistanceSsd", "distance SSD needs period >= 2"},
             {"InformationRatio", "information ratio needs period >= 2"},
             {"KendallTau", "Kendall tau needs period >= 2"},
             {"PairwiseBeta", "pairwise beta needs period >= 2"},
             {"RollingCorrelation", "rolling correlation needs period >= 2"},
             {"RollingCovariance", "rolling covariance needs period >= 2"},
             {"PearsonCorrelation", "pearson correlation needs period >= 2"},
             {"SpearmanCorrelation", "spearman correlation needs period >= 2"}})
        prynox::test::add_checks(out, type.c_str(),
                                 {{{0}, zero}, {{1e-17}, p + message}, {{1}, p + message}, {{2}, ""},
                                  {{2, 99}, ""}, {{16777216}, ""}, {{16777217}, kMax}, {{}, "missing parameter #0"}});
    for (const auto& [type, message] : std::vector<std::pair<std::string, std::string>>{
             {"Alpha", "alpha needs period >= 2"}, {"TreynorRatio", "treynor ratio needs period >= 2"}})
        prynox::test::add_checks(out, type.c_str(),
                                 {{{1}, "missing parameter #1"}, {{1, nan}, "parameter #1 must be finite"},
                                  {{1, 0.0}, p + message}, {{1e-17, 0.0}, p + message}, {{2, -1e300}, ""},
                                  {{16777217, 0.0}, kMax}, {{16777216, 0.0}, ""}});
    const std::string beta = p + "pair spread z-score needs beta_period >= 2";
    const std::string z = p + "pair spread z-score needs z_period >= 2";
    prynox::test::add_checks(out, "PairSpreadZScore",
                             {{{1, 1}, beta}, {{16777217, 1}, kMax}, {{2, 1}, z}, {{2, 1e-17}, z},
                              {{2, 16777217}, kMax}, {{20, 10}, ""}, {{16777216, 16777216}, ""},
                              {{20}, "missing parameter #1"}, {{20, 0}, "parameter #1 must be a positive integer, got 0"}});
    prynox::test::add_checks(out, "EstimatedLeverageRatio", {{{}, ""}, {{nan, -3}, ""}});
    return out;
}
