// Cost of one Indicator::update for the median-price and candle-body oscillators (all O(1))
// over the shared random walk (bench_support.hpp).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"AwesomeOscillator", {5, 34}},
        {"AcceleratorOscillator", {5, 34, 5}},
        {"AwesomeOscillatorHistogram", {5, 34, 5}},
        {"Qstick", {14}},
        {"IntradayMomentumIndex", {14}},
    });
    return bench::run_main(argc, argv);
}
