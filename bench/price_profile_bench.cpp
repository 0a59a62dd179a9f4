// Cost of one Indicator::update for the price-profile and rounded-formation types over the shared
// random walk (bench_support.hpp). The profile types rebuild their bins from the window (NakedPoc
// once a block), the formations scan their closes: each runs at two sizes. NakedPoc also runs
// over a series whose levels are never touched (a million naked levels).
#include "bench_support.hpp"

namespace {

// Flat candles alternately above and below every earlier one: each block of one bar leaves a
// level that no later bar touches, made at either end of a list that grows to a million levels.
const std::vector<prynox::Candle>& diverging() {
    static const std::vector<prynox::Candle> c = [] {
        std::vector<prynox::Candle> out(prynox::bench::kBars);
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double x = i % 2 == 0 ? 1e6 + static_cast<double>(i) : 1e6 - static_cast<double>(i);
            out[i] = prynox::Candle{static_cast<std::int64_t>(i) * 60000, x, x, x, x, 1000.0};
        }
        return out;
    }();
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"NakedPoc", {20, 24}},
        {"NakedPoc", {1, 1}},
        {"NakedPoc", {100, 200}},
        {"ProfileShape", {20, 24}},
        {"ProfileShape", {100, 200}},
        {"SinglePrints", {20, 24}},
        {"SinglePrints", {100, 200}},
        {"DumplingTop", {20}},
        {"DumplingTop", {200}},
        {"FryPanBottom", {20}},
        {"FryPanBottom", {200}},
    });
    bench::register_updates_on(diverging(), {{"NakedPoc", {1, 4}}});
    return bench::run_main(argc, argv);
}
