// Cost of one Indicator::update for each moving-average oscillator over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"Apo", {12, 26}},
        {"Ppo", {12, 26}},
        {"PpoHistogram", {12, 26, 9}},
        {"MacdHistogram", {12, 26, 9}},
        {"ElderImpulse", {13, 12, 26, 9}},
        {"Trix", {15}},
        {"Tsi", {25, 13}},
        {"Stc", {23, 50, 10, 0.5}},
        {"Stc", {23, 50, 1000, 0.5}},
    });
    return prynox::bench::run_main(argc, argv);
}
