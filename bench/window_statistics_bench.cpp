// Cost of one Indicator::update for each window statistic over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds, plus the bare cores of
// Variance and StdDev and the floor of a running sum through the boxed boundary.
// The moment types are O(1); the sorted-window types move one value in and one out; the others
// scan their window (SampleEntropy quadratically).
#include "bench_support.hpp"
#include "indicators/boxed.hpp"
#include "indicators/window_statistics/std_dev.hpp"
#include "indicators/window_statistics/variance.hpp"

namespace prynox::bench {

// The least any type with a running sum can cost per update through the Indicator boundary: the
// sum lives in the object between calls, so each bar's addition waits for the last bar's store
// to be read back. A batch loop keeps it in a register.
struct RunningSum {
    OptionalValue update_value(double x) {
        sum_ = sum_ + x;
        return sum_;
    }
    std::uint64_t warmup_period() const { return 1; }
    double sum_ = 0.0;
};

// The boundary alone: a type that keeps nothing and passes the close through.
struct PassThrough {
    OptionalValue update_value(double x) { return x; }
    std::uint64_t warmup_period() const { return 1; }
};

template <class Step>
void BM_BoundaryFloor(benchmark::State& state) {
    SingleOutput<Step> boxed{Step{}};
    Indicator* opaque = &boxed;
    benchmark::DoNotOptimize(opaque);  // a virtual call, as from the registry
    Indicator& ind = *opaque;
    BarContext ctx;
    for (auto _ : state) {
        for (const Candle& c : candles()) {
            ctx.candle = &c;
            benchmark::DoNotOptimize(ind.update(ctx));
        }
    }
    report(state, 0);
}

}  // namespace prynox::bench

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
        bench::register_core("Variance/" + n, *Variance::create(p));
        bench::register_core("StdDev/" + n, *StdDev::create(p));
    }
    benchmark::RegisterBenchmark("floor/RunningSum", bench::BM_BoundaryFloor<bench::RunningSum>)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("floor/PassThrough", bench::BM_BoundaryFloor<bench::PassThrough>)
        ->Unit(benchmark::kMillisecond);
    return bench::run_main(argc, argv);
}
