// Cost of one Indicator::update for each digital filter over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    // O(1) types first (the window extremes of the Laguerre filter, the Fisher transform and
    // the Ehlers stochastic among them, at two periods), then the ones whose own algorithm
    // scans its window (O(period)).
    prynox::bench::register_updates({
        {"HighpassFilter", {48}},
        {"SuperSmoother", {10}},
        {"RoofingFilter", {10, 48}},
        {"BandpassFilter", {20, 0.3}},
        {"Decycler", {60}},
        {"DecyclerOscillator", {30, 60}},
        {"InstantaneousTrendline", {20}},
        {"CyberneticCycle", {20}},
        {"UniversalOscillator", {20}},
        {"LaguerreRsi", {0.5}},
        {"InverseFisherTransform", {0.5}},
        {"EvenBetterSinewave", {40, 10}},
        {"EmpiricalModeDecomposition", {20, 0.5}},
        {"Trendflex", {20}},
        {"Reflex", {20}},
        {"AdaptiveLaguerreFilter", {13}},
        {"AdaptiveLaguerreFilter", {200}},
        {"FisherTransform", {10}},
        {"FisherTransform", {200}},
        {"EhlersStochastic", {20}},
        {"EhlersStochastic", {200}},
        {"CenterOfGravity", {10}},
        {"CenterOfGravity", {200}},
    });
    return prynox::bench::run_main(argc, argv);
}
