// Cost of one Indicator::update for each drawdown measure and risk or performance ratio over
// the shared random walk (bench_support.hpp), through the boxed object the registry builds.
// The window-scanning types are timed at two periods to show their O(period) cost.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        // O(1) per update
        {"RecoveryFactor", {}},
        {"SharpeRatio", {20, 0.0}},
        {"M2Measure", {20, 0.0, 0.1}},
        {"UpsidePotentialRatio", {20, 100.0}},
        {"GainToPainRatio", {20}},
        {"WinRate", {20}},
        {"Expectancy", {20}},
        // one pass over the window per update
        {"MaxDrawdown", {20}},
        {"AverageDrawdown", {20}},
        {"PainIndex", {20}},
        {"CalmarRatio", {20}},
        {"SterlingRatio", {20}},
        {"BurkeRatio", {20}},
        {"MartinRatio", {20}},
        {"SortinoRatio", {20, 100.0}},
        {"OmegaRatio", {20, 100.0}},
        {"GainLossRatio", {20}},
        {"ProfitFactor", {20}},
        {"KellyCriterion", {20}},
        {"KRatio", {20}},
        {"MaxDrawdown", {200}},
        {"SortinoRatio", {200, 100.0}},
        {"KRatio", {200}},
    });
    return prynox::bench::run_main(argc, argv);
}
