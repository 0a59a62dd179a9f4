// Cost of one Indicator::update for the volume lines over the shared random walk with varied
// volumes (a constant volume would leave the oscillators of volume nothing to do).
#include "volume_candles.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates_on(bench::random_volume_candles(), {
        {"AdOscillator", {}},
        {"Adl", {}},
        {"Nvi", {}},
        {"Obv", {}},
        {"Pvi", {}},
        {"VolumeOscillator", {5, 20}},
        {"VolumeOscillator", {50, 500}},
        {"VolumePriceTrend", {}},
        {"VolumeRsi", {14}},
        {"Vzo", {14}},
        {"Wad", {}},
    });
    return bench::run_main(argc, argv);
}
