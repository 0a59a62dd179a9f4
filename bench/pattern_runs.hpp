#pragma once
// Candles for the pattern benches.
//
// pattern_runs, for the patterns over several candles: a walk in runs (the direction turns now
// and then), bodies mostly with the run and sometimes against it or doji-small, shadows of every
// size or none, gaps between a close and the next open, and a flat bar now and then. Rows of
// rising or falling bodies, gaps and small middle candles then occur as they would on market
// data, so the rules reach their later tests and branch on them.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/model/market.hpp"

namespace prynox::bench {

// Uniform draws in [0, 1) from a 64-bit linear congruential sequence.
struct UnitDraws {
    std::uint64_t s;
    double operator()() {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(s >> 11) * 0x1.0p-53;
    }
};

inline std::vector<Candle> pattern_runs(std::size_t bars) {
    std::vector<Candle> c(bars);
    UnitDraws unit{2024};
    double close = 100.0, run = 1.0;
    for (std::size_t i = 0; i < bars; ++i) {
        if (unit() < 0.2) run = -run;
        const double gap = unit() < 0.25 ? (unit() - 0.5) * 2.0 : 0.0;
        const double open = std::max(1.0, close + gap);
        const double kind = unit();
        const double size = kind < 0.15 ? unit() * 0.05 : unit() * 2.0;
        const double sign = kind > 0.8 ? -run : run;
        close = std::max(1.0, open + sign * size);
        const double up = unit() < 0.25 ? 0.0 : unit(), down = unit() < 0.25 ? 0.0 : unit();
        c[i] = unit() < 0.01 ? Candle{0, close, close, close, close, 1000.0}
                             : Candle{0, open, std::max(open, close) + up, std::min(open, close) - down, close, 1000.0};
    }
    return c;
}

// shaped_candles, for the patterns of one and two candles: a plain random walk with bodies and
// shadows of every size (none on some bars) and a flat bar now and then.
inline std::vector<Candle> shaped_candles(std::size_t bars) {
    std::vector<Candle> c(bars);
    UnitDraws unit{99};
    double x = 100.0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const double open = x;
        x = std::max(1.0, x + (unit() - 0.5) * 2.0);
        const double up = unit() < 0.2 ? 0.0 : unit() * 1.5, down = unit() < 0.2 ? 0.0 : unit() * 1.5;
        c[i] = unit() < 0.02 ? Candle{0, x, x, x, x, 1000.0}
                             : Candle{0, open, std::max(open, x) + up, std::min(open, x) - down, x, 1000.0};
    }
    return c;
}

}  // namespace prynox::bench
