// Cost of one Indicator::update for each candle trailing stop and parabolic stop-and-reverse
// over the shared random walk (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"AtrTrailingStop", {14, 3}},
        {"VoltyStop", {10, 2}},
        {"HiLoActivator", {10}},
        {"HiLoActivator", {500}},
        {"Psar", {0.02, 0.02, 0.2}},
        {"SarExt", {0, 0.01, 0.02, 0.02, 0.2, 0.02, 0.02, 0.2}},
        {"TimeBasedStop", {20}},
    });
    return bench::run_main(argc, argv);
}
