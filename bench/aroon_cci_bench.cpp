// Cost of one Indicator::update for the Aroon and CCI oscillators over the shared random walk
// (bench_support.hpp). Every type here scans its window (Aroon's p + 1 candles, the CCI's mean
// deviation, the stochastic's extremes, the adaptive CCI's three passes): periods 20 and 200.
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
