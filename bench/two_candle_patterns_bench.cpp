// Cost of one Indicator::update for each two-candle pattern, the tasuki gap and the hikkake
// patterns, through the boxed object the registry builds, over candles of random shape (bodies and
// shadows of every size, a flat bar now and then), so that the tests branch as they would on
// market data.
#include <vector>

#include "bench_support.hpp"
#include "pattern_runs.hpp"

int main(int argc, char** argv) {
    static const std::vector<prynox::Candle> bars = prynox::bench::shaped_candles(prynox::bench::kBars);
    prynox::bench::register_updates_on(bars, {
        {"Engulfing", {}},     {"Harami", {}},          {"HaramiCross", {}},       {"Tweezer", {}},
        {"Counterattack", {}}, {"Kicking", {}},         {"KickingByLength", {}},   {"SeparatingLines", {}},
        {"PiercingDarkCloud", {}}, {"DojiStar", {}},    {"Thrusting", {}},         {"InNeck", {}},
        {"OnNeck", {}},        {"MatchingLow", {}},     {"HomingPigeon", {}},      {"TasukiGap", {}},
        {"Hikkake", {}},       {"HikkakeModified", {}},
    });
    return prynox::bench::run_main(argc, argv);
}
