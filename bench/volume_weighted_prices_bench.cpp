// Cost of one Indicator::update for the volume-weighted prices over the shared random walk
// with varied volumes, zero-volume bars among them.
#include "volume_candles.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates_on(bench::random_volume_candles(), {
        {"AnchoredVwap", {}},
        {"Vwap", {}},
        {"Vwma", {20}},
        {"Vwma", {500}},
    });
    return bench::run_main(argc, argv);
}
