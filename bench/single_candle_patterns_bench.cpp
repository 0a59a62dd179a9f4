// Cost of one Indicator::update for each single-candle pattern, through the boxed object the
// registry builds, over candles of random shape (bodies and shadows of every size, a flat bar now
// and then), so that the tests branch as they would on market data.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "bench_support.hpp"

namespace {

const std::vector<prynox::Candle>& shaped_candles() {
    static const std::vector<prynox::Candle> out = [] {
        std::vector<prynox::Candle> c(prynox::bench::kBars);
        std::uint64_t s = 99;
        const auto unit = [&s] {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            return static_cast<double>(s >> 11) * 0x1.0p-53;
        };
        double x = 100.0;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const double open = x;
            x = std::max(1.0, x + (unit() - 0.5) * 2.0);
            const double up = unit() < 0.2 ? 0.0 : unit() * 1.5, down = unit() < 0.2 ? 0.0 : unit() * 1.5;
            c[i] = unit() < 0.02 ? prynox::Candle{0, x, x, x, x, 1000.0}
                                 : prynox::Candle{0, open, std::max(open, x) + up, std::min(open, x) - down, x, 1000.0};
        }
        return c;
    }();
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    prynox::bench::register_updates_on(shaped_candles(), {
        {"Hammer", {}},         {"HangingMan", {}},      {"InvertedHammer", {}}, {"ShootingStar", {}},
        {"Takuri", {}},         {"DragonflyDoji", {}},   {"GravestoneDoji", {}}, {"LongLeggedDoji", {}},
        {"RickshawMan", {}},    {"HighWave", {}},        {"OpeningMarubozu", {}}, {"ClosingMarubozu", {}},
        {"Doji", {}},           {"SpinningTop", {}},     {"Marubozu", {}},       {"BeltHold", {}},
        {"ShortLine", {}},      {"LongLine", {}},
    });
    return prynox::bench::run_main(argc, argv);
}
