// Cost of one Indicator::update for each built single-series type over 1,000,000 bars, through
// the boxed object the registry builds (the engine's path), plus the bare cores for Sma, Wma
// and Ema. Each iteration runs the whole series; "ns/update" is the time per bar. "allocs"
// counts heap allocations during the timed passes, which all start after the warm-up pass:
// it must be 0.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/ema.hpp"
#include "indicators/sma.hpp"
#include "indicators/wma.hpp"

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
    state.counters["ns/update"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBars, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs"] = static_cast<double>(allocations);
}

void BM_Update(benchmark::State& state, std::string type, std::vector<double> params) {
    auto built = build_indicator(type, params);
    if (!built) {
        state.SkipWithError(built.error().display().c_str());
        return;
    }
    Indicator& ind = **built;
    const auto& bars = candles();
    BarContext ctx;
    for (const Candle& c : bars) {  // warm-up pass: every window fills
        ctx.candle = &c;
        benchmark::DoNotOptimize(ind.update(ctx));
    }
    std::uint64_t before = g_allocations;
    for (auto _ : state) {
        for (const Candle& c : bars) {
            ctx.candle = &c;
            benchmark::DoNotOptimize(ind.update(ctx));
        }
    }
    report(state, g_allocations - before);
}

// The bare core inlined into the loop, as a batch computation would run it: the difference to
// update/ is the cost of the Indicator boundary (virtual call, bar context, boxed result).
template <class Core>
void BM_Core(benchmark::State& state, Core core) {
    const auto& bars = candles();
    double acc = 0.0;
    for (const Candle& c : bars) acc += core.update_value(c.close).value_or(0.0);
    std::uint64_t before = g_allocations;
    for (auto _ : state) {
        for (const Candle& c : bars) acc += core.update_value(c.close).value_or(0.0);
        benchmark::DoNotOptimize(acc);
    }
    report(state, g_allocations - before);
}

void register_all() {
    const std::vector<std::pair<std::string, std::vector<double>>> types = {
        {"Sma", {20}},          {"Wma", {20}},          {"Ema", {20}},
        {"Dema", {20}},         {"Tema", {20}},         {"T3", {5, 0.7}},
        {"GeneralizedDema", {20, 0.7}}, {"Hma", {20}}, {"Ehma", {20}},
        {"Trima", {20}},        {"Zlema", {20}},        {"Smma", {20}},
        {"McGinleyDynamic", {20}}, {"Alma", {9, 0.85, 6}}, {"SineWeightedMa", {20}},
        {"GeometricMa", {20}},  {"MedianMa", {20}},     {"MidPoint", {20}},
        {"Frama", {16}},        {"Kama", {10, 2, 30}},  {"Vidya", {9, 14}},
        {"Jma", {7, 0, 2}},     {"HoltWinters", {0.5, 0.3}}, {"Fama", {0.5, 0.05}},
        {"Sma", {200}},         {"Wma", {200}},         {"MedianMa", {200}},
    };
    for (const auto& [type, params] : types) {
        std::string name = type;
        for (double p : params) {
            std::string s = std::to_string(p);
            s.erase(s.find_last_not_of('0') + 1);
            if (s.back() == '.') s.pop_back();
            name += "/" + s;
        }
        benchmark::RegisterBenchmark(("update/" + name).c_str(), BM_Update, type, params)->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("core/Sma/20", BM_Core<Sma>, Sma(20))->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("core/Wma/20", BM_Core<Wma>, Wma(20))->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("core/Ema/20", BM_Core<Ema>, *Ema::create(20))->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    register_all();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
