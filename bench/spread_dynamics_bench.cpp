// Cost of one Indicator::update for each spread dynamics type over the shared random walk
// (bench_support.hpp) against a reference series that follows it loosely, through the boxed
// object the registry builds. SpreadBollingerBands
// and RelativeStrengthAB are O(1); the other four refit their whole window on every bar
// (SpreadHurst O(period * period / 4), VarianceRatio O(period * q)).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates_fed(bench::ReferenceFeed{}, {
        {"SpreadBollingerBands", {20, 2}}, {"RelativeStrengthAB", {20, 14}}, {"OuHalfLife", {20}},
        {"SpreadAr1Coefficient", {20}},     {"SpreadHurst", {32}},            {"VarianceRatio", {20, 4}},
        {"OuHalfLife", {100}},              {"SpreadAr1Coefficient", {100}},  {"SpreadHurst", {100}},
        {"VarianceRatio", {100, 5}},        {"VarianceRatio", {100, 20}},
    });
    return bench::run_main(argc, argv);
}
