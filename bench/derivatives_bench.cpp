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

struct TickFeed {
    void operator()(BarContext& ctx, std::size_t i) const { ctx.deriv = &ticks()[i]; }
};

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
    bench::register_updates_fed(TickFeed{}, types);
    return bench::run_main(argc, argv);
}
