// Cost of one Indicator::update for the DeMark bar pieces over the shared random walk
// (bench_support.hpp): each compares the candle with the one or two kept before it.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"TdCamouflage", {}},
        {"TdClop", {}},
        {"TdClopwin", {}},
        {"TdDifferential", {}},
        {"TdOpen", {}},
        {"TdPropulsion", {}},
        {"TdTrap", {}},
    });
    return bench::run_main(argc, argv);
}
