// Cost of one Indicator::update for each candle transform over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds. Every type is O(1).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"HeikinAshi", {}},
        {"SmoothedHeikinAshi", {10}},
        {"CandleVolume", {20}},
        {"Equivolume", {20}},
        {"Equivolume", {500}},
    });
    return bench::run_main(argc, argv);
}
