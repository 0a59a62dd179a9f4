// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

using prynox::test::add_checks;
using prynox::test::kMax;

PRYNOX_TYPE_CASES(cointegration) {
    return {
        {"Cointegration", {20, 1}},   {"Cointegration", {4, 1e-17}},    {"GrangerCausality", {20, 2}},
        {"GrangerCausality", {5, 1}}, {"HasbrouckInformationShare", {20}}, {"KalmanHedgeRatio", {1e-4, 1.0}},
        {"KalmanHedgeRatio", {0.5, 1e-3}}, {"LeadLagCrossCorrelation", {20, 3}}, {"LeadLagCrossCorrelation", {2, 1}},
    };
}

PRYNOX_CHECK_CASES(cointegration) {
    std::vector<prynox::test::CheckCase> cases;
    const std::string cp = "invalid period: cointegration needs period >= 2*adf_lags + 4";
    // adf_lags 0 (a value below 2.2e-16 reads as 0) builds from period 4. The ADF normal
    // equations of (adf_lags + 1)^2 entries end at MAX_PERIOD entries: adf_lags 4095.
    add_checks(cases, "Cointegration",
               {{{3, 1e-17}, cp}, {{4, 1e-17}, ""}, {{5, 1}, cp}, {{6, 1}, ""}, {{1e-17, 1}, cp},
                {{1e300, 1}, ""}, {{8193, 4095}, cp}, {{8194, 4095}, ""}, {{8196, 4096}, kMax},
                {{1e300, 1e300}, kMax}, {{6}, "missing parameter #1"}});
    const std::string gl = "invalid period: granger causality needs lag >= 1",
                      gp = "invalid period: granger causality needs period >= 3*lag + 2";
    // The (2 lag + 1)^2 normal equations end at MAX_PERIOD entries: lag 2047.
    add_checks(cases, "GrangerCausality",
               {{{1, 1e-17}, gl}, {{100, 1e-17}, gl}, {{1e300, 16777217}, kMax}, {{7, 2}, gp}, {{8, 2}, ""},
                {{4, 1}, gp}, {{5, 1}, ""}, {{1e300, 1}, ""}, {{6143, 2047}, ""}, {{6145, 2048}, gp},
                {{6146, 2048}, kMax}, {{1e300, 16777216}, kMax}});
    const std::string hp = "invalid period: information share needs period >= 6";
    add_checks(cases, "HasbrouckInformationShare",
               {{{1e-17}, hp}, {{5}, hp}, {{6}, ""}, {{16777216}, ""}, {{16777217}, kMax}});
    const std::string kd = "invalid parameter: kalman hedge ratio needs delta in (0, 1)",
                      kv = "invalid parameter: kalman hedge ratio needs observation_var > 0";
    add_checks(cases, "KalmanHedgeRatio",
               {{{0, 1}, kd}, {{-0.0, 1}, kd}, {{1, 1}, kd}, {{-0.5, 1}, kd}, {{0.5, 0}, kv}, {{0.5, -1}, kv},
                {{1.5, 0}, kd}, {{0.5, 1e-300}, ""}, {{5e-324, 5e-324}, ""}, {{0.9999999999999999, 1}, ""},
                {{0.5}, "missing parameter #1"}});
    const std::string lw = "invalid period: lead-lag cross-correlation needs window >= 2",
                      lm = "invalid period: lead-lag cross-correlation needs max_lag >= 1";
    add_checks(cases, "LeadLagCrossCorrelation",
               {{{1, 1}, lw}, {{1e-17, 1e-17}, lw}, {{16777217, 1e-17}, kMax}, {{2, 1e-17}, lm}, {{2, 1}, ""},
                {{16777216, 1e300}, ""}});
    return cases;
}
