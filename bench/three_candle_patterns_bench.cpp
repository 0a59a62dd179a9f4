// Cost of one Indicator::update for each three-candle pattern, through the boxed object the
// registry builds, over candles that walk in runs with gaps and small bodies (pattern_runs.hpp).
#include "bench_support.hpp"
#include "pattern_runs.hpp"

int main(int argc, char** argv) {
    static const std::vector<prynox::Candle> bars = prynox::bench::pattern_runs(prynox::bench::kBars);
    prynox::bench::register_updates_on(bars, {
        {"AbandonedBaby", {}},         {"AdvanceBlock", {}},         {"DownsideGapThreeMethods", {}},
        {"EveningDojiStar", {}},       {"GapSideBySideWhite", {}},   {"IdenticalThreeCrows", {}},
        {"MorningDojiStar", {}},       {"MorningEveningStar", {}},   {"StalledPattern", {}},
        {"StickSandwich", {}},         {"ThreeInside", {}},          {"ThreeOutside", {}},
        {"ThreeSoldiersOrCrows", {}},  {"ThreeStarsInSouth", {}},    {"TowerTopBottom", {}},
        {"Tristar", {}},               {"TwoCrows", {}},             {"UniqueThreeRiver", {}},
        {"UpsideGapThreeMethods", {}}, {"UpsideGapTwoCrows", {}},
    });
    return prynox::bench::run_main(argc, argv);
}
