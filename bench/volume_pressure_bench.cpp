// Cost of one Indicator::update for the volume classification and pressure lines over the shared
// random walk with volumes that vary from bar to bar (bench_support.hpp). BetterVolume scans its
// window on every bar: periods 20 and 200.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    static const std::vector<Candle> bars = [] {
        std::vector<Candle> out = bench::candles();
        for (std::size_t i = 0; i < out.size(); ++i) out[i].volume = 500.0 + static_cast<double>(i * 7919 % 1000);
        return out;
    }();
    bench::register_updates_on(bars, {
                                         {"BetterVolume", {20}},
                                         {"BetterVolume", {200}},
                                         {"DemandIndex", {19}},
                                         {"TradeVolumeIndex", {0.01}},
                                         {"Tsv", {13}},
                                     });
    return bench::run_main(argc, argv);
}
