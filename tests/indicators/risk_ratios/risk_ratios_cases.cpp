// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <cmath>
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(risk_ratios) {
    return {
        {"AverageDrawdown", {20}}, {"BurkeRatio", {20}}, {"CalmarRatio", {20}}, {"Expectancy", {20}},
        {"GainLossRatio", {20}}, {"GainToPainRatio", {20}}, {"KRatio", {20}}, {"KellyCriterion", {20}},
        {"M2Measure", {20, 0.0, 0.1}}, {"MartinRatio", {20}}, {"MaxDrawdown", {20}}, {"OmegaRatio", {20, 100.0}},
        {"PainIndex", {20}}, {"ProfitFactor", {20}}, {"RecoveryFactor", {}}, {"SharpeRatio", {20, 0.0}},
        {"SortinoRatio", {20, 100.0}}, {"SterlingRatio", {20}}, {"UpsidePotentialRatio", {20, 100.0}},
        {"WinRate", {20}},
    };
}

PRYNOX_CHECK_CASES(risk_ratios) {
    using prynox::test::kMax;
    using prynox::test::kZero;
    using Params = std::vector<double>;
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    const std::string zero = "parameter #0 must be a positive integer, got 0";
    std::vector<prynox::test::CheckCase> out;
    // A period, then the parameters that follow it.
    auto with = [](double period, Params rest) {
        rest.insert(rest.begin(), period);
        return rest;
    };
    // The window types: a period that reads as 0 is ZeroPeriod, MAX_PERIOD is the largest.
    for (const auto& [type, rest] : std::vector<std::pair<std::string, Params>>{
             {"MaxDrawdown", {}}, {"AverageDrawdown", {}}, {"PainIndex", {}}, {"GainLossRatio", {}},
             {"ProfitFactor", {}}, {"KellyCriterion", {}}, {"GainToPainRatio", {}}, {"WinRate", {}},
             {"Expectancy", {}}, {"OmegaRatio", {0.0}}})
        for (const auto& [p, message] : std::vector<std::pair<double, std::string>>{
                 {0, zero}, {1e-17, kZero}, {16777217, kMax}, {16777216, ""}, {1, ""},
                 {2.5, "parameter #0 must be a positive integer, got 2.5"}})
            out.push_back({type, with(p, rest), message});
    for (const char* type : {"MaxDrawdown", "AverageDrawdown", "PainIndex", "GainLossRatio", "ProfitFactor",
                             "KellyCriterion", "GainToPainRatio", "WinRate", "Expectancy", "OmegaRatio"})
        out.push_back({type, {}, "missing parameter #0"});
    // The types with a minimum length report it for a 0 too, and before MAX_PERIOD.
    for (const auto& [type, rest, minimum, own] : std::vector<std::tuple<std::string, Params, double, std::string>>{
             {"CalmarRatio", {}, 2, "calmar ratio"}, {"SterlingRatio", {}, 2, "sterling ratio"},
             {"BurkeRatio", {}, 2, "burke ratio"}, {"MartinRatio", {}, 2, "martin ratio"},
             {"KRatio", {}, 3, "k-ratio"}, {"SharpeRatio", {0.02}, 2, "sharpe ratio"},
             {"SortinoRatio", {0.0}, 2, "sortino ratio"}, {"UpsidePotentialRatio", {0.0}, 2, "upside potential ratio"},
             {"M2Measure", {0.02, 0.1}, 2, "m2 measure"}}) {
        const std::string message = "invalid period: " + own + " needs period >= " + std::to_string(int(minimum));
        for (const auto& [p, m] : std::vector<std::pair<double, std::string>>{
                 {1e-17, message}, {minimum - 1, message}, {minimum, ""}, {16777216, ""}, {16777217, kMax}, {0, zero}})
            out.push_back({type, with(p, rest), m});
    }
    const std::string m2 = "invalid parameter: risk_free must be finite and benchmark_stddev finite and non-negative";
    const std::string finite = "parameter #1 must be finite";
    for (const prynox::test::CheckCase& c : std::vector<prynox::test::CheckCase>{
             {"SharpeRatio", {20}, "missing parameter #1"}, {"SharpeRatio", {20, -5.5}, ""},
             {"SharpeRatio", {20, nan}, finite}, {"SortinoRatio", {20}, "missing parameter #1"},
             {"SortinoRatio", {20, 1e300}, ""}, {"OmegaRatio", {20}, "missing parameter #1"},
             {"OmegaRatio", {20, -1e300}, ""}, {"OmegaRatio", {1e-17, inf}, finite},
             {"UpsidePotentialRatio", {20}, "missing parameter #1"}, {"UpsidePotentialRatio", {20, inf}, finite},
             {"UpsidePotentialRatio", {20, -0.01}, ""}, {"M2Measure", {20, 0.02, -0.1}, m2},
             {"M2Measure", {20, 0.02, -5e-324}, m2}, {"M2Measure", {20, 0.02, 0}, ""},
             {"M2Measure", {20, 0.02, -0.0}, ""},
             {"M2Measure", {1, 0.02, -0.1}, "invalid period: m2 measure needs period >= 2"},
             {"M2Measure", {20, 0.02}, "missing parameter #2"}, {"M2Measure", {20, inf, 0.1}, finite},
             {"RecoveryFactor", {}, ""}, {"RecoveryFactor", {5, -1, nan}, ""}})
        out.push_back(c);
    return out;
}
