// Cost of one Indicator::update for each volatility type over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds, plus the bare
// relative-volatility core that candle types embed.
#include "bench_support.hpp"
#include "indicators/volatility/rvi_volatility.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"RealizedVolatility", {20}},
        {"BipowerVariation", {20}},
        {"HistoricalVolatility", {20, 252}},
        {"EwmaVolatility", {0.94}},
    });
    // Named with the omega written out, as its results have always been filed.
    benchmark::RegisterBenchmark("update/Garch11/0.000001/0.1/0.85", bench::BM_Update, std::string("Garch11"),
                                 std::vector<double>{1e-6, 0.1, 0.85})
        ->Unit(benchmark::kMillisecond);
    bench::register_updates({
        {"JumpIndicator", {20, 3}},
        {"RviVolatility", {14}},
        {"VolatilityOfVolatility", {20, 10}},
        {"UlcerIndex", {14}},
        {"RealizedVolatility", {500}},
        {"HistoricalVolatility", {500, 252}},
        {"UlcerIndex", {500}},
    });
    benchmark::RegisterBenchmark("core/RviVolatility/14", bench::BM_Core<RviVolatility>, *RviVolatility::create(14))
        ->Unit(benchmark::kMillisecond);
    return bench::run_main(argc, argv);
}
