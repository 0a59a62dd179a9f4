// Cost of one Indicator::update for each range and volatility oscillator over the shared random
// walk (bench_support.hpp), through the boxed object the registry builds. ChoppinessIndex and
// MidPrice keep their window extremes in monotonic queues (O(1) amortised).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"HeikinAshiOscillator", {10}},
        {"Pgo", {14}},
        {"Pgo", {500}},
        {"MassIndex", {9, 25}},
        {"MassIndex", {9, 500}},
        {"ChaikinVolatility", {10, 10}},
        {"ChoppinessIndex", {14}},
        {"ChoppinessIndex", {500}},
        {"MidPrice", {14}},
        {"MidPrice", {500}},
    });
    return bench::run_main(argc, argv);
}
