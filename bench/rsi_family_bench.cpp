// Cost of one Indicator::update for each type of the RSI family over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds (the engine's path), plus
// the bare RSI core.
#include "bench_support.hpp"
#include "indicators/rsi_family/rsi.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"Rsi", {14}},          {"Cmo", {14}},          {"FisherRsi", {14}},
        {"ConnorsRsi", {3, 2, 100}}, {"StochRsi", {14, 14}}, {"DerivativeOscillator", {14, 5, 3, 9}},
        {"AdaptiveRsi", {14}},  {"AnchoredRsi", {}},    {"Rmi", {14, 5}},
        {"Rsx", {14}},          {"DynamicMomentumIndex", {14}},
        {"Rsi", {200}},         {"Cmo", {200}},         {"StochRsi", {14, 200}},
    });
    benchmark::RegisterBenchmark("core/Rsi/14", bench::BM_Core<Rsi>, *Rsi::create(14))->Unit(benchmark::kMillisecond);
    return bench::run_main(argc, argv);
}
