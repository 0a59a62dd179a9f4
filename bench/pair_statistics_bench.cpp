// Cost of one Indicator::update for each rolling pair statistic over the shared random walk
// (bench_support.hpp) against a reference series that follows it loosely, through the boxed
// object the registry builds. The moment types are O(1); DistanceSsd scans its window on every
// bar, KendallTau classifies every pair it holds against the entering and the leaving pair
// (O(period)), SpearmanCorrelation sorts its window twice.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates_fed(bench::ReferenceFeed{}, {
        {"Alpha", {20, 0.0}}, {"Beta", {20}}, {"BetaNeutralSpread", {20}}, {"TreynorRatio", {20, 0.0}},
        {"PearsonCorrelation", {20}}, {"RollingCorrelation", {20}}, {"RollingCovariance", {20}},
        {"PairwiseBeta", {20}}, {"PairSpreadZScore", {20, 10}}, {"PairSpreadZScore", {100, 100}},
        {"InformationRatio", {20}},
        {"EstimatedLeverageRatio", {}}, {"DistanceSsd", {20}}, {"KendallTau", {20}}, {"SpearmanCorrelation", {20}},
        {"Beta", {500}}, {"PearsonCorrelation", {500}}, {"DistanceSsd", {100}}, {"KendallTau", {100}},
        {"SpearmanCorrelation", {100}},
    });
    return bench::run_main(argc, argv);
}
