// Cost of the order-book and trade-and-quote types through the boxed object the registry builds,
// over 1,000,000 bars, each with a book of 1 to 10 levels a side (drawn from a pool) and, for the
// trade-and-quote types, four prints. "ns/update" is the time per bar; "ns/print" divides it by
// the prints, for the types whose windows count prints.
#include <span>

#include "bench_support.hpp"

namespace prynox::bench {
namespace {

constexpr std::size_t kPrintsPerBar = 4;
constexpr std::size_t kBooks = 4096;

std::uint64_t next(std::uint64_t& s) { return s = s * 6364136223846793005ull + 1442695040888963407ull; }
double unit(std::uint64_t& s) { return static_cast<double>(next(s) >> 11) * 0x1.0p-53; }

const std::vector<OrderBook>& book_pool() {
    static const std::vector<OrderBook> pool = [] {
        std::vector<OrderBook> out(kBooks);
        std::uint64_t s = 99;
        double mid = 100.0;
        for (OrderBook& b : out) {
            mid = mid + (unit(s) - 0.5) * 0.2;
            if (mid < 2.0) mid = 4.0 - mid;
            const double half = 0.01 + unit(s) * 0.05;
            for (std::size_t k = 0, n = 1 + next(s) % 10; k < n; ++k)
                b.bids.push_back({mid - half - 0.01 * static_cast<double>(k), 1.0 + unit(s) * 50.0});
            for (std::size_t k = 0, n = 1 + next(s) % 10; k < n; ++k)
                b.asks.push_back({mid + half + 0.01 * static_cast<double>(k), 1.0 + unit(s) * 50.0});
        }
        return out;
    }();
    return pool;
}

const std::vector<TradePrint>& print_pool() {
    static const std::vector<TradePrint> pool = [] {
        std::vector<TradePrint> out(kBooks * kPrintsPerBar);
        std::uint64_t s = 5;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double mid = book_pool()[i / kPrintsPerBar].bids.front().price + 0.03;
            out[i] = TradePrint{mid + (unit(s) - 0.5) * 0.1, 0.5 + unit(s) * 20.0,
                                next(s) % 2 ? Side::Sell : Side::Buy, static_cast<std::int64_t>(i)};
        }
        return out;
    }();
    return pool;
}

void BM_Book(benchmark::State& state, std::string type, std::vector<double> params) {
    auto built = build_indicator(type, params);
    if (!built) {
        state.SkipWithError(built.error().display().c_str());
        return;
    }
    Indicator& ind = **built;
    const auto& bars = candles();
    const auto& books = book_pool();
    const std::span<const TradePrint> prints(print_pool());
    const auto bar = [&](std::size_t i) {
        BarContext ctx;
        ctx.candle = &bars[i];
        const std::size_t k = (i * 7) % kBooks;  // successive bars read different books
        ctx.book = &books[k];
        ctx.trades = prints.subspan(k * kPrintsPerBar, kPrintsPerBar);
        return ctx;
    };
    for (std::size_t i = 0; i < bars.size(); ++i) benchmark::DoNotOptimize(ind.update(bar(i)));
    const std::uint64_t before = g_allocations;
    for (auto _ : state) {
        for (std::size_t i = 0; i < bars.size(); ++i) benchmark::DoNotOptimize(ind.update(bar(i)));
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
             {"QuotedSpread", {}},
             {"OrderBookImbalanceTop1", {}},
             {"OrderBookImbalanceTopN", {5}},
             {"OrderBookImbalanceFull", {}},
             {"Microprice", {}},
             {"DepthSlope", {}},
             {"OrderFlowImbalance", {50}},
             {"EffectiveSpread", {}},
             {"RealizedSpread", {50}},
             {"KylesLambda", {50}},
         })
        benchmark::RegisterBenchmark(bench::update_name(type, params).c_str(), bench::BM_Book, type, params)
            ->Unit(benchmark::kMillisecond);
    return bench::run_main(argc, argv);
}
