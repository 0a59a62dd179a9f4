// Registry entries of the drawdown measures and the risk and performance ratios: every
// constructor check with its message, in the type's order, and the warm-up each built object
// reports.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "indicators/risk_ratios/m2_measure.hpp"
#include "indicators/risk_ratios/upside_potential_ratio.hpp"

namespace prynox {
namespace {

using namespace test;

const std::string kM2 = "invalid parameter: risk_free must be finite and benchmark_stddev finite and non-negative";
const std::string kMar = "invalid parameter: mar must be finite";

std::string text(const IndicatorError& e) { return e.display(); }

// The window types: a period that reads as 0 is ZeroPeriod, MAX_PERIOD is the largest.
TEST(RiskRatiosEntriesTest, WindowTypes) {
    struct Type {
        const char* name;
        std::vector<double> rest;  // parameters after the period
    };
    for (const Type& t : {Type{"MaxDrawdown", {}}, Type{"AverageDrawdown", {}}, Type{"PainIndex", {}},
                          Type{"GainLossRatio", {}}, Type{"ProfitFactor", {}}, Type{"KellyCriterion", {}},
                          Type{"GainToPainRatio", {}}, Type{"WinRate", {}}, Type{"Expectancy", {}},
                          Type{"OmegaRatio", {0.0}}}) {
        auto with = [&](double p) {
            std::vector<double> v{p};
            v.insert(v.end(), t.rest.begin(), t.rest.end());
            return v;
        };
        for (const EntryCase& c : {EntryCase{t.name, with(0), "parameter #0 must be a positive integer, got 0"},
                                   EntryCase{t.name, with(1e-17), kZero}, EntryCase{t.name, with(16777217), kMax},
                                   EntryCase{t.name, with(16777216)}, EntryCase{t.name, with(1)},
                                   EntryCase{t.name, {}, "missing parameter #0"},
                                   EntryCase{t.name, with(2.5), "parameter #0 must be a positive integer, got 2.5"}})
            EXPECT_EQ(outcome(c), c.message) << describe(c);
    }
}

// The types with a minimum length report it for a 0 too, and before MAX_PERIOD.
TEST(RiskRatiosEntriesTest, MinimumLengthTypes) {
    struct Type {
        const char* name;
        std::vector<double> rest;
        std::size_t minimum;
        const char* message;
    };
    for (const Type& t : {Type{"CalmarRatio", {}, 2, "calmar ratio needs period >= 2"},
                          Type{"SterlingRatio", {}, 2, "sterling ratio needs period >= 2"},
                          Type{"BurkeRatio", {}, 2, "burke ratio needs period >= 2"},
                          Type{"MartinRatio", {}, 2, "martin ratio needs period >= 2"},
                          Type{"KRatio", {}, 3, "k-ratio needs period >= 3"},
                          Type{"SharpeRatio", {0.02}, 2, "sharpe ratio needs period >= 2"},
                          Type{"SortinoRatio", {0.0}, 2, "sortino ratio needs period >= 2"},
                          Type{"UpsidePotentialRatio", {0.0}, 2, "upside potential ratio needs period >= 2"},
                          Type{"M2Measure", {0.02, 0.1}, 2, "m2 measure needs period >= 2"}}) {
        auto with = [&](double p) {
            std::vector<double> v{p};
            v.insert(v.end(), t.rest.begin(), t.rest.end());
            return v;
        };
        const std::string minimum = std::string("invalid period: ") + t.message;
        for (const EntryCase& c :
             {EntryCase{t.name, with(1e-17), minimum}, EntryCase{t.name, with(static_cast<double>(t.minimum - 1)), minimum},
              EntryCase{t.name, with(static_cast<double>(t.minimum))}, EntryCase{t.name, with(16777216)},
              EntryCase{t.name, with(16777217), kMax}, EntryCase{t.name, with(0), "parameter #0 must be a positive integer, got 0"}})
            EXPECT_EQ(outcome(c), c.message) << describe(c);
    }
}

TEST(RiskRatiosEntriesTest, RealParameters) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<EntryCase> cases = {
        {"SharpeRatio", {20}, "missing parameter #1"},
        {"SharpeRatio", {20, -5.5}},
        {"SharpeRatio", {20, std::nan("")}, "parameter #1 must be finite"},
        {"SortinoRatio", {20}, "missing parameter #1"},
        {"SortinoRatio", {20, 1e300}},
        {"OmegaRatio", {20}, "missing parameter #1"},
        {"OmegaRatio", {20, -1e300}},
        {"OmegaRatio", {1e-17, inf}, "parameter #1 must be finite"},
        {"UpsidePotentialRatio", {20}, "missing parameter #1"},
        {"UpsidePotentialRatio", {20, inf}, "parameter #1 must be finite"},
        {"UpsidePotentialRatio", {20, -0.01}},
        {"M2Measure", {20, 0.02, -0.1}, kM2},
        {"M2Measure", {20, 0.02, -5e-324}, kM2},
        {"M2Measure", {20, 0.02, 0}},
        {"M2Measure", {20, 0.02, -0.0}},
        {"M2Measure", {1, 0.02, -0.1}, "invalid period: m2 measure needs period >= 2"},
        {"M2Measure", {20, 0.02}, "missing parameter #2"},
        {"M2Measure", {20, inf, 0.1}, "parameter #1 must be finite"},
        {"RecoveryFactor", {}},
        {"RecoveryFactor", {5, -1, std::nan("")}},
    };
    for (const EntryCase& c : cases) EXPECT_EQ(outcome(c), c.message) << c.type;
    // Checks that the registry's readers make unreachable still hold for direct use.
    const double nan = std::nan("");
    EXPECT_EQ(text(M2Measure::create(20, nan, 0.1).error()), kM2);
    EXPECT_EQ(text(M2Measure::create(20, 0.02, inf).error()), kM2);
    EXPECT_EQ(text(M2Measure::create(20, 0.02, nan).error()), kM2);
    EXPECT_EQ(text(UpsidePotentialRatio::create(20, nan).error()), kMar);
    EXPECT_EQ(text(UpsidePotentialRatio::create(1, nan).error()),
              "invalid period: upside potential ratio needs period >= 2");
}

TEST(RiskRatiosEntriesTest, WarmUps) {
    const std::vector<std::pair<const char*, std::vector<double>>> built = {
        {"MaxDrawdown", {7}},   {"AverageDrawdown", {7}}, {"PainIndex", {7}},      {"CalmarRatio", {7}},
        {"SterlingRatio", {7}}, {"BurkeRatio", {7}},      {"MartinRatio", {7}},    {"SharpeRatio", {7, 0}},
        {"SortinoRatio", {7, 0}}, {"M2Measure", {7, 0, 1}}, {"OmegaRatio", {7, 0}}, {"UpsidePotentialRatio", {7, 0}},
        {"GainToPainRatio", {7}}, {"GainLossRatio", {7}}, {"ProfitFactor", {7}},   {"WinRate", {7}},
        {"Expectancy", {7}},    {"KellyCriterion", {7}},  {"KRatio", {7}}};
    for (const auto& [type, params] : built) {
        expect_built_warmup({type, params}, 7);
        EXPECT_EQ(indicator_feed(type), Feed::Kline) << type;
    }
    expect_built_warmup({"RecoveryFactor", {}}, 1);
}

}  // namespace
}  // namespace prynox
