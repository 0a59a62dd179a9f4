// Cost of one Indicator::update for each cointegration and causality model over the shared random walk
// (bench_support.hpp) against a reference series that follows it loosely, through the boxed
// object the registry builds. KalmanHedgeRatio is O(1);
// the others refit their whole window on every bar: Cointegration and GrangerCausality
// O(period * lags^2) plus a solve, LeadLagCrossCorrelation (2 max_lag + 1) correlations of the
// window, HasbrouckInformationShare O(period) with two 4 x 4 solves.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates_fed(bench::ReferenceFeed{}, {
        {"KalmanHedgeRatio", {1e-4, 1.0}},         {"Cointegration", {100, 1}},     {"Cointegration", {100, 4}},
        {"GrangerCausality", {100, 2}},            {"GrangerCausality", {100, 5}},  {"HasbrouckInformationShare", {100}},
        {"LeadLagCrossCorrelation", {100, 5}},    {"LeadLagCrossCorrelation", {20, 5}},
    });
    return bench::run_main(argc, argv);
}
