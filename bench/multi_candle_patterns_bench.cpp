// Cost of one Indicator::update for each pattern of four or five candles, through the boxed object
// the registry builds, over candles that walk in runs with gaps and small bodies (pattern_runs.hpp).
#include "bench_support.hpp"
#include "pattern_runs.hpp"

int main(int argc, char** argv) {
    static const std::vector<prynox::Candle> bars = prynox::bench::pattern_runs(prynox::bench::kBars);
    prynox::bench::register_updates_on(bars, {
        {"Breakaway", {}},    {"ConcealingBabySwallow", {}}, {"FallingThreeMethods", {}}, {"LadderBottom", {}},
        {"MatHold", {}},      {"RisingThreeMethods", {}},    {"ThreeLineStrike", {}},
    });
    return prynox::bench::run_main(argc, argv);
}
