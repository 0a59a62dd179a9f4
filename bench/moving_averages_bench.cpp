// Cost of one Indicator::update for each built single-series type over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds (the engine's path), plus
// the bare cores for Sma, Wma, Ema and MidPoint.
#include "bench_support.hpp"
#include "indicators/moving_averages/ema.hpp"
#include "indicators/moving_averages/mid_point.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/moving_averages/wma.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"Sma", {20}},          {"Wma", {20}},          {"Ema", {20}},
        {"Dema", {20}},         {"Tema", {20}},         {"T3", {5, 0.7}},
        {"GeneralizedDema", {20, 0.7}}, {"Hma", {20}}, {"Ehma", {20}},
        {"Trima", {20}},        {"Zlema", {20}},        {"Smma", {20}},
        {"McGinleyDynamic", {20}}, {"Alma", {9, 0.85, 6}}, {"SineWeightedMa", {20}},
        {"GeometricMa", {20}},  {"MedianMa", {20}},     {"MidPoint", {20}},
        {"Frama", {16}},        {"Kama", {10, 2, 30}},  {"Vidya", {9, 14}},
        {"Jma", {7, 0, 2}},     {"HoltWinters", {0.5, 0.3}}, {"Fama", {0.5, 0.05}},
        {"Sma", {200}},         {"Wma", {200}},         {"MedianMa", {200}},
        {"MidPoint", {200}},
    });
    benchmark::RegisterBenchmark("core/Sma/20", bench::BM_Core<Sma>, Sma(20))->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("core/Wma/20", bench::BM_Core<Wma>, Wma(20))->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("core/Ema/20", bench::BM_Core<Ema>, *Ema::create(20))->Unit(benchmark::kMillisecond);
    for (std::uint64_t p : {20, 200}) bench::register_core("MidPoint/" + std::to_string(p), *MidPoint::create(p));
    return bench::run_main(argc, argv);
}
