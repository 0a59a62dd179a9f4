// Cost of one Indicator::update for each single-candle pattern, through the boxed object the
// registry builds, over candles of random shape (bodies and shadows of every size, a flat bar now
// and then), so that the tests branch as they would on market data.
#include <vector>

#include "bench_support.hpp"
#include "pattern_runs.hpp"

int main(int argc, char** argv) {
    static const std::vector<prynox::Candle> bars = prynox::bench::shaped_candles(prynox::bench::kBars);
    prynox::bench::register_updates_on(bars, {
        {"Hammer", {}},         {"HangingMan", {}},      {"InvertedHammer", {}}, {"ShootingStar", {}},
        {"Takuri", {}},         {"DragonflyDoji", {}},   {"GravestoneDoji", {}}, {"LongLeggedDoji", {}},
        {"RickshawMan", {}},    {"HighWave", {}},        {"OpeningMarubozu", {}}, {"ClosingMarubozu", {}},
        {"Doji", {}},           {"SpinningTop", {}},     {"Marubozu", {}},       {"BeltHold", {}},
        {"ShortLine", {}},      {"LongLine", {}},
    });
    return prynox::bench::run_main(argc, argv);
}
