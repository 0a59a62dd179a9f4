// Cost of one Indicator::update for each cycle measurement type over 1,000,000 bars of a random
// walk, through the boxed object the registry builds (the engine's path). Each iteration runs
// the whole series; "ns/update" is the time per bar. "allocs" counts heap allocations during
// the timed passes, which all start after a warm-up pass: it must be 0.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"

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
    std::uint64_t allocations = g_allocations - before;  // before the counters below allocate
    state.counters["ns/update"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBars,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs"] = static_cast<double>(allocations);
}

void register_all() {
    const std::vector<std::pair<std::string, std::vector<double>>> types = {
        {"HtDcPhase", {}},         {"SineWave", {}},           {"HtTrendMode", {}},
        {"HilbertDominantCycle", {}}, {"AdaptiveCycle", {}},   {"AutocorrelationPeriodogram", {10, 48}},
        {"AutocorrelationPeriodogram", {8, 20}},
    };
    for (const auto& [type, params] : types) {
        std::string name = "update/" + type;
        for (double p : params) name += "/" + std::to_string(static_cast<long long>(p));
        benchmark::RegisterBenchmark(name.c_str(), BM_Update, type, params)->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    register_all();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
