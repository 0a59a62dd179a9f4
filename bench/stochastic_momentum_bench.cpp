// Cost of one Indicator::update for each stochastic momentum, ultimate, vigor and inertia
// oscillator over the shared random walk (bench_support.hpp), through the boxed object the
// registry builds. Smi keeps its window extremes in O(1) per candle (cores/extreme_blocks.hpp);
// UltimateOscillator is O(1), its cost the four divisions of its value.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"Smi", {10, 3, 3}},
        {"Smi", {500, 3, 3}},
        {"UltimateOscillator", {7, 14, 28}},
        {"UltimateOscillator", {70, 140, 280}},
        {"Rvi", {10}},
        {"Rvi", {500}},
        {"Inertia", {14, 20}},
        {"Inertia", {200, 100}},
    });
    return bench::run_main(argc, argv);
}
