// Cost of one Indicator::update for each regression indicator over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds.
// LinearRegression through TsfOscillator are O(1); StandardError and CorrelationTrendIndicator refit
// their window on every bar.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"LinearRegression", {14}}, {"LinRegSlope", {14}}, {"LinRegAngle", {14}}, {"LinRegIntercept", {14}},
        {"Tsf", {14}},              {"RSquared", {14}},    {"Cfo", {14}},         {"TsfOscillator", {14}},
        {"StandardError", {14}},    {"CorrelationTrendIndicator", {14}},
        {"LinearRegression", {200}}, {"StandardError", {200}}, {"CorrelationTrendIndicator", {200}},
    });
    return prynox::bench::run_main(argc, argv);
}
