// Cost of one Indicator::update for each tail-risk type, through the boxed object the registry
// builds, over 1,000,000 bars whose closes are the steps of a random walk: a return series, as
// these types read their input.
#include "bench_support.hpp"

namespace {

const std::vector<prynox::Candle>& returns() {
    static const std::vector<prynox::Candle> c = [] {
        std::vector<prynox::Candle> out(prynox::bench::kBars);
        std::uint64_t s = 12345;
        for (std::size_t i = 0; i < out.size(); ++i) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            double u = static_cast<double>(s >> 11) * 0x1.0p-53 - 0.5;
            out[i] = prynox::Candle{static_cast<std::int64_t>(i) * 60000, u, u + 0.5, u - 0.5, u, 1000.0};
        }
        return out;
    }();
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    prynox::bench::register_updates_on(returns(), {
        {"ValueAtRisk", {20, 0.95}},
        {"ConditionalValueAtRisk", {20, 0.95}},
        {"TailRatio", {20}},
        {"CommonSenseRatio", {20}},
        {"ValueAtRisk", {250, 0.99}},
        {"ConditionalValueAtRisk", {250, 0.9}},
        {"TailRatio", {250}},
        {"CommonSenseRatio", {250}},
    });
    return prynox::bench::run_main(argc, argv);
}
