// Cost of one Indicator::update for the Aroon and CCI oscillators over the shared random walk
// (bench_support.hpp), periods 20 and 200. Aroon keeps its extremes and their positions in O(1)
// per candle; the CCI types scan their window (the mean deviation, the adaptive CCI's three
// passes), the stochastic CCI only for its CCI, its extremes being O(1).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"AroonOscillator", {20}},
        {"AroonOscillator", {200}},
        {"Cci", {20}},
        {"Cci", {200}},
        {"StochasticCci", {20}},
        {"StochasticCci", {200}},
        {"AdaptiveCci", {20}},
        {"AdaptiveCci", {200}},
    });
    return bench::run_main(argc, argv);
}
