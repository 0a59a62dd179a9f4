// Cost of one Indicator::update for the volume classification and pressure lines over the shared
// random walk with volumes that vary from bar to bar (volume_candles.hpp). BetterVolume scans its
// window on every bar: periods 20 and 200.
#include "volume_candles.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates_on(bench::cycled_volume_candles(), {
        {"BetterVolume", {20}},
        {"BetterVolume", {200}},
        {"DemandIndex", {19}},
        {"TradeVolumeIndex", {0.01}},
        {"Tsv", {13}},
    });
    return bench::run_main(argc, argv);
}
