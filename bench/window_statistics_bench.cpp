// Cost of one Indicator::update for each window statistic over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds, plus the bare cores of
// Variance and StdDev.
// The moment types are O(1); the sorted-window types move one value in and one out; the others
// scan their window (SampleEntropy quadratically).
#include "bench_support.hpp"
#include "indicators/window_statistics/std_dev.hpp"
#include "indicators/window_statistics/variance.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"Variance", {20}},        {"StdDev", {20}},         {"ZScore", {20}},
        {"CoefficientOfVariation", {20}}, {"Skewness", {20}}, {"Kurtosis", {20}},
        {"RollingQuantile", {20, 0.9}}, {"RollingIqr", {20}}, {"MedianAbsoluteDeviation", {20}},
        {"RollingMinMaxScaler", {20}}, {"RollingPercentileRank", {20}}, {"JarqueBera", {20}},
        {"Autocorrelation", {20, 1}}, {"DetrendedStdDev", {20}}, {"HurstExponent", {20, 4}},
        {"ShannonEntropy", {20, 10}}, {"SampleEntropy", {20, 2, 0.2}},
        {"Variance", {200}},       {"Kurtosis", {200}},      {"RollingQuantile", {200, 0.9}},
        {"MedianAbsoluteDeviation", {200}}, {"JarqueBera", {200}}, {"HurstExponent", {200, 8}},
        {"ShannonEntropy", {200, 16}}, {"SampleEntropy", {100, 2, 0.2}},
        {"StdDev", {200}},
    });
    for (std::uint64_t p : {20, 200}) {
        const std::string n = std::to_string(p);
        benchmark::RegisterBenchmark(("core/Variance/" + n).c_str(), bench::BM_Core<Variance>, *Variance::create(p))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("core/StdDev/" + n).c_str(), bench::BM_Core<StdDev>, *StdDev::create(p))
            ->Unit(benchmark::kMillisecond);
    }
    return bench::run_main(argc, argv);
}
