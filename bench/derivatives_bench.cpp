// Cost of one Indicator::update for each derivatives type through the boxed object the registry
// builds, over 1,000,000 bars that each carry a tick derived from the shared random walk.
#include "bench_support.hpp"

namespace {

using namespace prynox;

const std::vector<DerivativesTick>& ticks() {
    static const std::vector<DerivativesTick> t = [] {
        const auto& bars = bench::candles();
        std::vector<DerivativesTick> out(bars.size());
        std::uint64_t s = 777;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            const double u = static_cast<double>(s >> 11) * 0x1.0p-53 - 0.5;
            const double x = bars[i].close;
            out[i] = {u * 4e-4, x, x * (1.0 + u * 1e-3), x + u + 0.3, 5000.0 + 1000.0 * u, 40.0 + u, 38.0 - u,
                      10.0 + u, 9.0 - u, i % 5 == 0 ? 0.0 : 2.0 + u, i % 4 == 0 ? 0.0 : 1.0 - u,
                      static_cast<std::int64_t>(i)};
        }
        return out;
    }();
    return t;
}

void BM_Tick(benchmark::State& state, std::string type, std::vector<double> params) {
    auto built = build_indicator(type, params);
    if (!built) {
        state.SkipWithError(built.error().display().c_str());
        return;
    }
    Indicator& ind = **built;
    const auto& bars = bench::candles();
    const auto& t = ticks();
    BarContext ctx;
    for (std::size_t i = 0; i < bars.size(); ++i) {  // warm-up pass: every window fills
        ctx.candle = &bars[i];
        ctx.deriv = &t[i];
        benchmark::DoNotOptimize(ind.update(ctx));
    }
    std::uint64_t before = bench::g_allocations;
    for (auto _ : state) {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            ctx.candle = &bars[i];
            ctx.deriv = &t[i];
            benchmark::DoNotOptimize(ind.update(ctx));
        }
    }
    bench::report(state, bench::g_allocations - before);
}

}  // namespace

int main(int argc, char** argv) {
    const bench::TypeList types = {
        {"FundingRate", {}},           {"FundingImpliedApr", {1095}},  {"FundingRateMean", {24}},
        {"FundingRateMean", {500}},    {"FundingRateZScore", {24}},    {"FundingRateZScore", {500}},
        {"FundingBasis", {}},          {"PerpetualPremiumIndex", {}},  {"TermStructureBasis", {}},
        {"CalendarSpread", {}},        {"LongShortRatio", {}},         {"TakerBuySellRatio", {}},
        {"OiToVolumeRatio", {}},       {"OpenInterestDelta", {}},      {"OpenInterestMomentum", {24}},
        {"OIPriceDivergence", {24}},   {"OIWeighted", {}},             {"LiquidationFeatures", {}},
    };
    for (const auto& [type, params] : types)
        benchmark::RegisterBenchmark(bench::update_name(type, params).c_str(), BM_Tick, type, params)
            ->Unit(benchmark::kMillisecond);
    return bench::run_main(argc, argv);
}
