// Cost of one Indicator::update for each multi-output oscillator over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds, named outputs included.
// Rwi sums each of its n - 1 spans afresh (O(n^2) per bar) and TtmSqueeze refits its window
// (O(n)): both are timed at a usual and a long period.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"Adx", {14}},
        {"Adx", {500}},
        {"Aroon", {25}},
        {"Aroon", {500}},
        {"ElderRay", {13}},
        {"KasePermissionStochastic", {9, 3}},
        {"KasePermissionStochastic", {500, 3}},
        {"Kst", {10, 15, 20, 30, 10, 10, 10, 15, 9}},
        {"Qqe", {14, 5, 4.236}},
        {"Rwi", {14}},
        {"Rwi", {100}},
        {"Stochastic", {14, 3}},
        {"Stochastic", {500, 3}},
        {"TtmSqueeze", {20, 2, 1.5}},
        {"TtmSqueeze", {100, 2, 1.5}},
        {"Vortex", {14}},
        {"WaveTrend", {10, 21, 4}},
    });
    return bench::run_main(argc, argv);
}
