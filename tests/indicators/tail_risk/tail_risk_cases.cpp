// Harness rows of the family: how each type is built for the shared property checks, and every
// constructor check with its message.
#include <limits>
#include <string>

#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

PRYNOX_TYPE_CASES(tail_risk) {
    return {
        {"CommonSenseRatio", {20}}, {"ConditionalValueAtRisk", {20, 0.95}}, {"ConditionalValueAtRisk", {7, 0.9}},
        {"TailRatio", {20}}, {"TailRatio", {2}}, {"ValueAtRisk", {20, 0.95}}, {"ValueAtRisk", {2, 0.5}},
    };
}

PRYNOX_CHECK_CASES(tail_risk) {
    using prynox::test::kMax;
    using Cases = std::vector<std::pair<std::vector<double>, std::string>>;
    const std::string confidence = "invalid period: confidence must lie strictly between 0 and 1";
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<prynox::test::CheckCase> out;
    for (std::string type : {"ValueAtRisk", "ConditionalValueAtRisk"}) {
        const std::string own = type == "ValueAtRisk" ? "invalid period: value-at-risk needs period >= 2"
                                                      : "invalid period: conditional value-at-risk needs period >= 2";
        for (const auto& [params, message] :
             Cases{{{20, 1.0}, confidence}, {{20, 0}, confidence}, {{20, -0.0}, confidence}, {{20, 1.5}, confidence},
                   {{20, 0.95}, ""}, {{2, 5e-324}, ""}, {{1, 0.95}, own}, {{1e-17, 0.95}, own}, {{1, 2}, own},
                   {{16777217, 2}, kMax}, {{16777216, 0.5}, ""}, {{20}, "missing parameter #1"},
                   {{20, inf}, "parameter #1 must be finite"}})
            out.push_back({type, params, message});
    }
    for (std::string type : {"TailRatio", "CommonSenseRatio"}) {
        const std::string own = "invalid period: " + std::string(type == "TailRatio" ? "tail" : "common sense") +
                                " ratio needs period >= 2";
        for (const auto& [params, message] : Cases{{{1}, own}, {{1e-17}, own}, {{2}, ""}, {{16777217}, kMax},
                                                   {{16777216}, ""}, {{}, "missing parameter #0"}})
            out.push_back({type, params, message});
    }
    return out;
}
