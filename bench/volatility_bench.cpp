// Cost of one Indicator::update for each volatility type over 1,000,000 bars of a random walk,
// through the boxed object the registry builds, plus the bare relative-volatility core that
// candle types embed. "ns/update" is the time per bar; "allocs" counts heap allocations in the
// timed passes (after a warm-up pass over the whole series): it must be 0.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/rvi_volatility.hpp"

namespace {

std::uint64_t g_allocations = 0;

}  // namespace

void* operator new(std::size_t n) {
    ++g_allocations;
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace prynox;

constexpr std::size_t kBars = 1'000'000;

const std::vector<Candle>& candles() {
    static const std::vector<Candle> c = [] {
        std::vector<Candle> out(kBars);
        std::uint64_t s = 12345;
        double x = 100.0;
        for (std::size_t i = 0; i < kBars; ++i) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            double u = static_cast<double>(s >> 11) * 0x1.0p-53 - 0.5;
            x = std::fabs(x + u) + 1.0;
            out[i] = Candle{static_cast<std::int64_t>(i) * 60000, x, x + 0.5, x - 0.5, x, 1000.0};
        }
        return out;
    }();
    return c;
}

void report(benchmark::State& state, std::uint64_t allocations) {
    state.counters["ns/update"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBars,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs"] = static_cast<double>(allocations);
}

void BM_Update(benchmark::State& state, std::string type, std::vector<double> params) {
    auto built = build_indicator(type, params);
    if (!built) {
        state.SkipWithError(built.error().display().c_str());
        return;
    }
    Indicator& ind = **built;
    BarContext ctx;
    for (const Candle& c : candles()) {  // warm-up pass: every window fills
        ctx.candle = &c;
        benchmark::DoNotOptimize(ind.update(ctx));
    }
    std::uint64_t before = g_allocations;
    for (auto _ : state) {
        for (const Candle& c : candles()) {
            ctx.candle = &c;
            benchmark::DoNotOptimize(ind.update(ctx));
        }
    }
    report(state, g_allocations - before);
}

void BM_RviCore(benchmark::State& state) {
    auto core = *RviVolatility::create(14);
    double acc = 0.0;
    for (const Candle& c : candles()) acc += core.update_value(c.close).value_or(0.0);
    std::uint64_t before = g_allocations;
    for (auto _ : state) {
        for (const Candle& c : candles()) acc += core.update_value(c.close).value_or(0.0);
        benchmark::DoNotOptimize(acc);
    }
    report(state, g_allocations - before);
}

std::string bench_name(const std::string& type, const std::vector<double>& params) {
    std::string name = "update/" + type;
    for (double p : params) {
        std::string s = std::to_string(p);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') s.pop_back();
        name += "/" + s;
    }
    return name;
}

void register_all() {
    const std::vector<std::pair<std::string, std::vector<double>>> types = {
        {"RealizedVolatility", {20}},       {"BipowerVariation", {20}},   {"HistoricalVolatility", {20, 252}},
        {"EwmaVolatility", {0.94}},         {"Garch11", {1e-6, 0.1, 0.85}}, {"JumpIndicator", {20, 3}},
        {"RviVolatility", {14}},            {"VolatilityOfVolatility", {20, 10}}, {"UlcerIndex", {14}},
        {"RealizedVolatility", {500}},      {"HistoricalVolatility", {500, 252}}, {"UlcerIndex", {500}},
    };
    for (const auto& [type, params] : types)
        benchmark::RegisterBenchmark(bench_name(type, params).c_str(), BM_Update, type, params)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("core/RviVolatility/14", BM_RviCore)->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    register_all();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
