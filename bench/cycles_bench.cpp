// Cost of one Indicator::update for each cycle measurement type over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds (the engine's path).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"HtDcPhase", {}},
        {"SineWave", {}},
        {"HtTrendMode", {}},
        {"HilbertDominantCycle", {}},
        {"AdaptiveCycle", {}},
        {"AutocorrelationPeriodogram", {10, 48}},
        {"AutocorrelationPeriodogram", {8, 20}},
    });
    return prynox::bench::run_main(argc, argv);
}
