#pragma once
// Shared pieces of the per-type update benchmarks: a counting global operator new, 1,000,000 bars
// of a random walk, and a benchmark that builds one indicator through the registry (the engine's
// path) and times Indicator::update over all bars. Each iteration runs the whole series;
// "ns/update" is the time per bar. "allocs" counts heap allocations during the timed passes,
// which all start after a warm-up pass: it must be 0.
//
// Header only: every bench/*.cpp is its own executable, so each one that includes this gets its
// own copy of the replaced operator new, exactly once.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "core/registry/registry.hpp"

namespace prynox::bench {

inline std::uint64_t g_allocations = 0;

}  // namespace prynox::bench

void* operator new(std::size_t n) {
    ++prynox::bench::g_allocations;
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace prynox::bench {

inline constexpr std::size_t kBars = 1'000'000;

using TypeList = std::vector<std::pair<std::string, std::vector<double>>>;

// A driftless walk from 100, reflected at 1: a series that only rises would drive the average
// loss of RSI-like types into subnormal numbers and time those instead.
inline const std::vector<Candle>& candles() {
    static const std::vector<Candle> c = [] {
        std::vector<Candle> out(kBars);
        std::uint64_t s = 12345;
        double x = 100.0;
        for (std::size_t i = 0; i < kBars; ++i) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            double u = static_cast<double>(s >> 11) * 0x1.0p-53 - 0.5;
            x = x + u;
            if (x < 1.0) x = 2.0 - x;
            out[i] = Candle{static_cast<std::int64_t>(i) * 60000, x, x + 0.5, x - 0.5, x, 1000.0};
        }
        return out;
    }();
    return c;
}

// Call after the timed loop, with the allocations counted there: the counters map allocates.
inline void report(benchmark::State& state, std::uint64_t allocations) {
    state.counters["ns/update"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBars,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs"] = static_cast<double>(allocations);
}

// The update loop over `bars`; BM_Update runs it over the shared walk.
inline void BM_UpdateOn(benchmark::State& state, const std::vector<Candle>* series, std::string type,
                        std::vector<double> params) {
    auto built = build_indicator(type, params);
    if (!built) {
        state.SkipWithError(built.error().display().c_str());
        return;
    }
    Indicator& ind = **built;
    const auto& bars = *series;
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

inline void BM_Update(benchmark::State& state, std::string type, std::vector<double> params) {
    BM_UpdateOn(state, &candles(), std::move(type), std::move(params));
}

// The closes of the walk side by side, as a batch computation reads them.
inline const std::vector<double>& closes() {
    static const std::vector<double> c = [] {
        std::vector<double> out;
        out.reserve(kBars);
        for (const Candle& b : candles()) out.push_back(b.close);
        return out;
    }();
    return c;
}

// The bare core inlined into the loop, as a batch computation would run it: over the closes side
// by side, each value stored into an output array (a running total of the values would time its
// own chain of additions instead). The difference to update/ is the cost of the Indicator
// boundary (virtual call, bar context, boxed result) and of reading whole candles.
template <class Core>
void BM_Core(benchmark::State& state, Core core) {
    const auto& in = closes();
    std::vector<double> out(in.size());
    const auto pass = [&] {
        for (std::size_t i = 0; i < in.size(); ++i) out[i] = core.update_value(in[i]).value_or(0.0);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    };
    pass();
    std::uint64_t before = g_allocations;
    for (auto _ : state) pass();
    report(state, g_allocations - before);
}

// A row "core/<name>" for a bare core.
template <class Core>
void register_core(const std::string& name, Core core) {
    benchmark::RegisterBenchmark(("core/" + name).c_str(), BM_Core<Core>, std::move(core))->Unit(benchmark::kMillisecond);
}

// "update/Type/p1/p2...", each parameter in its shortest round-trip digits.
inline std::string update_name(const std::string& type, const std::vector<double>& params) {
    std::string name = "update/" + type;
    for (double p : params) {
        char text[32];
        auto res = std::to_chars(text, text + sizeof text, p);
        name += '/';
        name.append(text, res.ptr);
    }
    return name;
}

inline void register_updates(const TypeList& types) {
    for (const auto& [type, params] : types)
        benchmark::RegisterBenchmark(update_name(type, params).c_str(), BM_Update, type, params)
            ->Unit(benchmark::kMillisecond);
}

// The same over another series of kBars candles (for types that read a different kind of input).
inline void register_updates_on(const std::vector<Candle>& bars, const TypeList& types) {
    for (const auto& [type, params] : types)
        benchmark::RegisterBenchmark(update_name(type, params).c_str(), BM_UpdateOn, &bars, type, params)
            ->Unit(benchmark::kMillisecond);
}

// The update loop over the shared walk for types that read more than the candle: `feed(ctx, i)`
// puts on bar i's context what else it carries (a reference, a tick, prints, a book, a
// cross-section list). A feed that passes through prints names their count per bar, so that
// "ns/print" is reported as well.
template <class Feed>
void BM_UpdateFed(benchmark::State& state, Feed feed, std::string type, std::vector<double> params) {
    auto built = build_indicator(type, params);
    if (!built) {
        state.SkipWithError(built.error().display().c_str());
        return;
    }
    Indicator& ind = **built;
    const auto& bars = candles();
    BarContext ctx;
    const auto pass = [&] {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            ctx.candle = &bars[i];
            feed(ctx, i);
            benchmark::DoNotOptimize(ind.update(ctx));
        }
    };
    pass();  // warm-up pass: every window fills
    const std::uint64_t before = g_allocations;
    for (auto _ : state) pass();
    report(state, g_allocations - before);
    if constexpr (requires { Feed::kPrintsPerBar; }) {
        state.counters["ns/print"] =
            benchmark::Counter(static_cast<double>(state.iterations()) * kBars * Feed::kPrintsPerBar,
                               benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    }
}

template <class Feed>
void register_updates_fed(Feed feed, const TypeList& types) {
    for (const auto& [type, params] : types)
        benchmark::RegisterBenchmark(update_name(type, params).c_str(), BM_UpdateFed<Feed>, feed, type, params)
            ->Unit(benchmark::kMillisecond);
}

// A reference series for the pair types: half the close plus a positive walk of its own.
inline const std::vector<double>& references() {
    static const std::vector<double> r = [] {
        const auto& c = candles();
        std::vector<double> out(c.size());
        std::uint64_t s = 777;
        double w = 20.0;
        for (std::size_t i = 0; i < c.size(); ++i) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            w += static_cast<double>(s >> 11) * 0x1.0p-53 - 0.5;
            if (w < 1.0) w = 2.0 - w;
            out[i] = 0.5 * c[i].close + w;
        }
        return out;
    }();
    return r;
}

struct ReferenceFeed {
    void operator()(BarContext& ctx, std::size_t i) const { ctx.reference = references()[i]; }
};

inline int run_main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace prynox::bench
