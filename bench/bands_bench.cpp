// Cost of one Indicator::update for each band type over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds, named outputs included.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"BollingerBands", {20, 2}},
        {"BollingerBands", {500, 2}},
        {"DoubleBollinger", {20, 1, 2}},
        {"MaEnvelope", {20, 0.025}},
        {"Keltner", {20, 10, 2}},
        {"StarcBands", {6, 15, 2}},
        {"AtrBands", {14, 2}},
        {"AccelerationBands", {20, 4}},
        {"VwapStdDevBands", {2}},
        {"HurstChannel", {10, 0.5}},
        {"HurstChannel", {500, 0.5}},
    });
    return bench::run_main(argc, argv);
}
