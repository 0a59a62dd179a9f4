// Cost of the trade-print types through the boxed object the registry builds, over 1,000,000
// bars of four prints each (a random walk of prices, sizes of several scales, both sides). The
// windows count prints, so "ns/print" is the figure to hold against the per-print budget.
#include <span>

#include "bench_support.hpp"

namespace prynox::bench {
namespace {

constexpr std::size_t kPrintsPerBar = 4;
constexpr std::size_t kPool = 1 << 16;

// A pool of prints; bar i reads the kPrintsPerBar prints from a position that walks the pool.
const std::vector<TradePrint>& print_pool() {
    static const std::vector<TradePrint> pool = [] {
        std::vector<TradePrint> out(kPool);
        std::uint64_t s = 777;
        double price = 100.0;
        for (std::size_t i = 0; i < kPool; ++i) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            const double u = static_cast<double>(s >> 11) * 0x1.0p-53;
            price = price + (u - 0.5) * 0.2;
            if (price < 1.0) price = 2.0 - price;
            const double size = (s >> 7) % 9 == 0 ? 0.0 : 0.5 + u * ((s >> 13) % 2 ? 10.0 : 1000.0);
            out[i] = TradePrint{price, size, (s >> 3) % 2 ? Side::Sell : Side::Buy, static_cast<std::int64_t>(i)};
        }
        return out;
    }();
    return pool;
}

std::span<const TradePrint> bar_prints(std::size_t i) {
    const std::size_t at = (i * kPrintsPerBar) % (kPool - kPrintsPerBar);
    return std::span<const TradePrint>(print_pool()).subspan(at, kPrintsPerBar);
}

void BM_Prints(benchmark::State& state, std::string type, std::vector<double> params) {
    auto built = build_indicator(type, params);
    if (!built) {
        state.SkipWithError(built.error().display().c_str());
        return;
    }
    Indicator& ind = **built;
    const auto& bars = candles();
    BarContext ctx;
    for (std::size_t i = 0; i < bars.size(); ++i) {  // warm-up pass: every window fills
        ctx.candle = &bars[i];
        ctx.trades = bar_prints(i);
        benchmark::DoNotOptimize(ind.update(ctx));
    }
    const std::uint64_t before = g_allocations;
    for (auto _ : state) {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            ctx.candle = &bars[i];
            ctx.trades = bar_prints(i);
            benchmark::DoNotOptimize(ind.update(ctx));
        }
    }
    report(state, g_allocations - before);
    state.counters["ns/print"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBars * kPrintsPerBar,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace
}  // namespace prynox::bench

int main(int argc, char** argv) {
    using namespace prynox;
    for (const auto& [type, params] : bench::TypeList{
             {"SignedVolume", {}},
             {"CumulativeVolumeDelta", {}},
             {"TradeImbalance", {50}},
             {"Pin", {50}},
             {"TradeSignAutocorrelation", {50}},
             {"AmihudIlliquidity", {50}},
             {"Vpin", {500, 50}},
             {"Vpin", {5, 50}},
             {"RollMeasure", {50}},
             {"RollMeasure", {5}},
         })
        benchmark::RegisterBenchmark(bench::update_name(type, params).c_str(), bench::BM_Prints, type, params)
            ->Unit(benchmark::kMillisecond);
    return bench::run_main(argc, argv);
}
