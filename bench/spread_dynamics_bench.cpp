// Cost of one Indicator::update for each spread dynamics type over the shared random walk
// (bench_support.hpp) against a reference series that follows it loosely, through the boxed
// object the registry builds. SpreadBollingerBands
// and RelativeStrengthAB are O(1); the other four refit their whole window on every bar
// (SpreadHurst O(period * period / 4), VarianceRatio O(period * q)).
#include "bench_support.hpp"

namespace {

using namespace prynox;

// The reference of bar i: half the close plus a walk of its own, positive.
const std::vector<double>& references() {
    static const std::vector<double> r = [] {
        const auto& c = bench::candles();
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

void BM_PairUpdate(benchmark::State& state, std::string type, std::vector<double> params) {
    auto built = build_indicator(type, params);
    if (!built) {
        state.SkipWithError(built.error().display().c_str());
        return;
    }
    Indicator& ind = **built;
    const auto& bars = bench::candles();
    const auto& refs = references();
    BarContext ctx;
    auto pass = [&] {
        for (std::size_t i = 0; i < bars.size(); ++i) {
            ctx.candle = &bars[i];
            ctx.reference = refs[i];
            benchmark::DoNotOptimize(ind.update(ctx));
        }
    };
    pass();  // warm-up pass: every window fills
    std::uint64_t before = bench::g_allocations;
    for (auto _ : state) pass();
    bench::report(state, bench::g_allocations - before);
}

void register_pairs(const bench::TypeList& types) {
    for (const auto& [type, params] : types)
        benchmark::RegisterBenchmark(bench::update_name(type, params).c_str(), BM_PairUpdate, type, params)
            ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    register_pairs({
        {"SpreadBollingerBands", {20, 2}}, {"RelativeStrengthAB", {20, 14}}, {"OuHalfLife", {20}},
        {"SpreadAr1Coefficient", {20}},     {"SpreadHurst", {32}},            {"VarianceRatio", {20, 4}},
        {"OuHalfLife", {100}},              {"SpreadAr1Coefficient", {100}},  {"SpreadHurst", {100}},
        {"VarianceRatio", {100, 5}},        {"VarianceRatio", {100, 20}},
    });
    return bench::run_main(argc, argv);
}
