// Cost of one Indicator::update for the volume lines over the shared random walk with varied
// volumes (a constant volume would leave the oscillators of volume nothing to do).
#include <vector>

#include "bench_support.hpp"

namespace {

// The shared walk, its volumes drawn between 0 and 2000 with one in 16 bars at 0.
const std::vector<prynox::Candle>& varied_volume() {
    static const std::vector<prynox::Candle> bars = [] {
        std::vector<prynox::Candle> out = prynox::bench::candles();
        std::uint64_t s = 777;
        for (prynox::Candle& c : out) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            c.volume = (s >> 60) == 0 ? 0.0 : static_cast<double>(s >> 11) * 0x1.0p-53 * 2000.0;
        }
        return out;
    }();
    return bars;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates_on(varied_volume(), {
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
