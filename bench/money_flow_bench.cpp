// Cost of one Indicator::update for the money-flow and volume-force lines over the shared random
// walk with volumes that vary from bar to bar (bench_support.hpp).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    static const std::vector<Candle> bars = [] {
        std::vector<Candle> out = bench::candles();
        for (std::size_t i = 0; i < out.size(); ++i) out[i].volume = 500.0 + static_cast<double>(i * 7919 % 1000);
        return out;
    }();
    bench::register_updates_on(bars, {
                                         {"ChaikinMoneyFlow", {20}},
                                         {"ChaikinOscillator", {3, 10}},
                                         {"TwiggsMoneyFlow", {21}},
                                         {"Mfi", {14}},
                                         {"ForceIndex", {13}},
                                         {"EaseOfMovement", {14}},
                                         {"Kvo", {34, 55}},
                                     });
    return bench::run_main(argc, argv);
}
