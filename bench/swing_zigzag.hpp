#pragma once
// The worst case of the swing patterns: flat bars alternating between a high in [100, 120] and a
// low in [60, 90], so that every bar confirms a pivot and every update runs the pattern's test.
// Timed as "pivot_each_bar/<Type>" beside the shared walk, where a pivot comes about every 70 bars.
#include <string>
#include <vector>

#include "bench_support.hpp"

namespace prynox::bench {

inline const std::vector<Candle>& zigzag_candles() {
    static const std::vector<Candle> out = [] {
        std::vector<Candle> c(kBars);
        std::uint64_t s = 4242;
        for (std::size_t i = 0; i < c.size(); ++i) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            const double u = static_cast<double>(s >> 11) * 0x1.0p-53;
            const double x = i % 2 == 0 ? 100.0 + 20.0 * u : 60.0 + 30.0 * u;
            c[i] = Candle{static_cast<std::int64_t>(i) * 60000, x, x, x, x, 1000.0};
        }
        return c;
    }();
    return out;
}

inline void register_swing_patterns(const TypeList& types) {
    register_updates(types);
    for (const auto& [type, params] : types)
        benchmark::RegisterBenchmark(("pivot_each_bar/" + type).c_str(), BM_UpdateOn, &zigzag_candles(), type, params)
            ->Unit(benchmark::kMillisecond);
}

}  // namespace prynox::bench
