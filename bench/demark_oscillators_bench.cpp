// Cost of one Indicator::update for the DeMark wave count and oscillators over the shared random
// walk (bench_support.hpp), each at two lengths. The wave count tests its pivots in O(1) per
// bar; the oscillators re-sum their windows.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"TdDWave", {2}},
        {"TdDWave", {20}},
        {"TdDeMarker", {14}},
        {"TdDeMarker", {100}},
        {"TdPressure", {10}},
        {"TdPressure", {100}},
        {"TdRei", {5}},
        {"TdRei", {100}},
    });
    return bench::run_main(argc, argv);
}
