#pragma once
// The shared random walk (bench_support.hpp) with volumes that vary from bar to bar, for the
// types that weigh or classify by volume.
#include <cstdint>
#include <vector>

#include "bench_support.hpp"

namespace prynox::bench {

// Volumes drawn between 0 and 2000, one bar in 16 at 0.
inline const std::vector<Candle>& random_volume_candles() {
    static const std::vector<Candle> bars = [] {
        std::vector<Candle> out = candles();
        std::uint64_t s = 777;
        for (Candle& c : out) {
            s = s * 6364136223846793005ull + 1442695040888963407ull;
            c.volume = (s >> 60) == 0 ? 0.0 : static_cast<double>(s >> 11) * 0x1.0p-53 * 2000.0;
        }
        return out;
    }();
    return bars;
}

// Volumes cycling through 500..1499, never 0.
inline const std::vector<Candle>& cycled_volume_candles() {
    static const std::vector<Candle> bars = [] {
        std::vector<Candle> out = candles();
        for (std::size_t i = 0; i < out.size(); ++i) out[i].volume = 500.0 + static_cast<double>(i * 7919 % 1000);
        return out;
    }();
    return bars;
}

}  // namespace prynox::bench
