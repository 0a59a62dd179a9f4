// Cost of one backtest over 1,000,000 synthetic candles with a price-only crossover rule
// (close crosses above the previous close to enter, below it to leave), per bar.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "core/engine/backtest.hpp"
#include "core/json/report_writer.hpp"
#include "core/registry/indicator_source.hpp"

namespace {

using namespace prynox;

constexpr std::size_t kBars = 1000000;

// A reproducible random walk.
RunData synthetic_data(bool with_books) {
    RunData d;
    d.capital = 100000.0;
    d.candles.reserve(kBars);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    double price = 100.0;
    for (std::size_t k = 0; k < kBars; ++k) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double step = (static_cast<double>(state >> 11) / 9007199254740992.0 - 0.5) * 0.02;
        const double open = price;
        price *= 1.0 + step;
        const double high = (open > price ? open : price) * 1.001;
        const double low = (open < price ? open : price) * 0.999;
        d.candles.push_back(Candle{static_cast<std::int64_t>(k) * 60000, open, high, low, price, 1000.0});
    }
    if (with_books) {
        d.books.emplace();
        d.books->levels.reserve(2 * kBars);
        d.books->ends.reserve(2 * kBars);
        for (const Candle& c : d.candles) {
            const Level bid{c.open - 0.01, 50.0}, ask{c.open + 0.01, 50.0};
            d.books->push_back({&bid, 1}, {&ask, 1});
        }
    }
    return d;
}

Operand close_price() {
    Expr e;
    e.kind = Expr::Kind::Price;
    e.price = PriceSource::Close;
    return Operand::expression(std::move(e));
}

Operand previous_close() {
    Expr e;
    e.kind = Expr::Kind::Prev;
    e.count = 1;
    e.a = close_price();
    return Operand::expression(std::move(e));
}

Condition cross(Condition::Kind kind) {
    Condition c;
    c.kind = kind;
    c.operands.push_back(close_price());
    c.operands.push_back(previous_close());
    return c;
}

ImpactSpec crossover_spec() {
    ImpactSpec spec;
    spec.strategy.symbol = "BENCH";
    spec.strategy.timeframe = "1m";
    spec.strategy.entry = cross(Condition::Kind::CrossAbove);
    spec.strategy.exit = cross(Condition::Kind::CrossBelow);
    spec.strategy.sizing.kind = Sizing::Kind::FixedFraction;
    spec.strategy.sizing.value = 0.1;
    spec.strategy.costs.taker_bps = 5.0;
    spec.book_model.kind = BookModel::Kind::LinearImpact;
    spec.book_model.coef = 0.1;
    return spec;
}

void run(benchmark::State& state, bool with_books, bool write_report) {
    const RunData data = synthetic_data(with_books);
    const ImpactSpec spec = crossover_spec();
    std::size_t trades = 0;
    std::size_t text = 0;
    for (auto _ : state) {
        auto r = run_backtest(spec, data, registry_indicator_source());
        if (!r) {
            state.SkipWithError(r.error().display().c_str());
            return;
        }
        trades = r->report.trades.size();
        if (write_report) {
            std::string out = write_report_json(r->report, r->impact_stats);
            text = out.size();
            benchmark::DoNotOptimize(out.data());
        }
        benchmark::DoNotOptimize(r->report.metrics.pnl);
    }
    state.counters["ns_per_bar"] =
        benchmark::Counter(static_cast<double>(kBars), benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
    state.counters["trades"] = static_cast<double>(trades);
    if (write_report) state.counters["report_bytes"] = static_cast<double>(text);
}

void BM_RunBacktest_NoBooks(benchmark::State& state) { run(state, false, false); }
void BM_RunBacktest_Books(benchmark::State& state) { run(state, true, false); }
void BM_RunBacktestAndReport_Books(benchmark::State& state) { run(state, true, true); }

BENCHMARK(BM_RunBacktest_NoBooks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunBacktest_Books)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunBacktestAndReport_Books)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
