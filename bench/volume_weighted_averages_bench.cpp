// Cost of one Indicator::update for the volume-weighted averages and the session VWAP over the
// shared random walk (one bar a minute) with volumes that vary from bar to bar (bench_support.hpp).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    static const std::vector<Candle> bars = [] {
        std::vector<Candle> out = bench::candles();
        for (std::size_t i = 0; i < out.size(); ++i) out[i].volume = 500.0 + static_cast<double>(i * 7919 % 1000);
        return out;
    }();
    bench::register_updates_on(bars, {
                                         {"Evwma", {20}},
                                         {"RollingVwap", {20}},
                                         {"SessionVwap", {0}},
                                         {"SessionVwap", {-300}},
                                     });
    return bench::run_main(argc, argv);
}
