// Cost of one Indicator::update for each momentum, rate-of-change and band-position type over the shared
// random walk (bench_support.hpp), through the boxed object the registry builds, plus the bare
// cores of Mom, Roc, PercentB and BollingerBandwidth.
#include "bench_support.hpp"
#include "indicators/momentum/mom.hpp"
#include "indicators/momentum/percent_b.hpp"
#include "indicators/momentum/roc.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"Mom", {10}},
        {"Roc", {10}},
        {"Rocp", {10}},
        {"Rocr", {10}},
        {"Rocr100", {10}},
        {"LogReturn", {10}},
        {"Coppock", {14, 11, 10}},
        {"Pmo", {35, 20}},
        {"WavePm", {14, 5}},
        {"Dpo", {20}},
        {"DisparityIndex", {14}},
        {"Tii", {30, 15}},
        {"VerticalHorizontalFilter", {28}},
        {"PolarizedFractalEfficiency", {10, 5}},
        {"Mom", {200}},
        {"Dpo", {200}},
        {"Tii", {200, 100}},
        {"VerticalHorizontalFilter", {200}},
        {"PolarizedFractalEfficiency", {200, 20}},
        {"PercentB", {20, 2}},
        {"BollingerBandwidth", {20, 2}},
        {"PercentB", {200, 2.5}},
        {"BollingerBandwidth", {200, 2.5}},
        {"Roc", {200}},
    });
    for (std::uint64_t p : {10, 200}) {
        const std::string n = std::to_string(p);
        benchmark::RegisterBenchmark(("core/Mom/" + n).c_str(), bench::BM_Core<Mom>, *Mom::create(p))->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("core/Roc/" + n).c_str(), bench::BM_Core<Roc>, *Roc::create(p))->Unit(benchmark::kMillisecond);
    }
    for (auto [p, k] : {std::pair<std::uint64_t, const char*>{20, "2"}, {200, "2.5"}}) {
        const std::string n = std::to_string(p) + "/" + k;
        const double m = std::stod(k);
        benchmark::RegisterBenchmark(("core/PercentB/" + n).c_str(), bench::BM_Core<PercentB>, *PercentB::create(p, m))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("core/BollingerBandwidth/" + n).c_str(), bench::BM_Core<BollingerBandwidth>,
                                     *BollingerBandwidth::create(p, m))
            ->Unit(benchmark::kMillisecond);
    }
    return bench::run_main(argc, argv);
}
