// Cost of one Indicator::update for each trailing stop and trend and regime label over the
// shared random walk (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"PercentageTrailingStop", {2.5}},
        {"RenkoTrailingStop", {2}},
        {"StepTrailingStop", {1.5}},
        {"RegimeLabel", {20, 4}},
        {"RegimeLabel", {20, 100}},
        {"RegimeLabel", {20, 1000}},
        {"TrendLabel", {20}},
        {"TrendLabel", {200}},
        {"TrendStrengthIndex", {20}},
        {"TrendStrengthIndex", {200}},
    });
    return prynox::bench::run_main(argc, argv);
}
