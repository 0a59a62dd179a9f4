// Cost of one Indicator::update for the projection oscillator, which refits and projects its
// window on every candle (three passes plus the two slopes' means): periods 14 and 200.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"ProjectionOscillator", {14}},
        {"ProjectionOscillator", {200}},
    });
    return bench::run_main(argc, argv);
}
