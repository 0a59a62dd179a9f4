// Cost of one Indicator::update for each tail-risk type over 1,000,000 bars whose closes are the
// steps of a random walk (a return series, as these types read their input), through the boxed
// object the registry builds. "ns/update" is the time per bar; "allocs" counts heap allocations in the
// timed passes (after a warm-up pass over the whole series): it must be 0.
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
        for (std::size_t i = 0; i < kBars; ++i) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            double u = static_cast<double>(s >> 11) * 0x1.0p-53 - 0.5;
            out[i] = Candle{static_cast<std::int64_t>(i) * 60000, u, u + 0.5, u - 0.5, u, 1000.0};
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
        {"ValueAtRisk", {20, 0.95}}, {"ConditionalValueAtRisk", {20, 0.95}}, {"TailRatio", {20}},
        {"CommonSenseRatio", {20}},  {"ValueAtRisk", {250, 0.99}},          {"ConditionalValueAtRisk", {250, 0.9}},
        {"TailRatio", {250}},        {"CommonSenseRatio", {250}},
    };
    for (const auto& [type, params] : types)
        benchmark::RegisterBenchmark(bench_name(type, params).c_str(), BM_Update, type, params)
            ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    register_all();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
