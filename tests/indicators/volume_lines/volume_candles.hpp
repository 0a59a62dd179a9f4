#pragma once
// Candles with varied volumes for the volume types' tables: varied_candles (with or without
// rejected candles) whose volumes vary on two decimals, with a run of 30 zero volumes, a run of
// 20 equal volumes, scattered zeros and a -0.0; then grid candles (closes of 0, negative
// closes, equal moves) with volumes on a grid of halves, zeros among them.
#include <cmath>
#include <cstdint>

#include "indicators/directional_movement/candle_runs.hpp"

namespace prynox::test {

inline Candles volume_candles(std::uint64_t seed, bool invalid) {
    Candles out = varied_candles(420, seed, invalid);
    for (std::size_t i = 0; i < out.size(); ++i) {
        Candle& c = out[i];
        if (c.volume < 0.0) continue;  // a rejected candle stays rejected
        if (i >= 40 && i < 70) c.volume = 0.0;
        else if (i >= 90 && i < 110) c.volume = 750.0;
        else if (i % 17 == 0) c.volume = i == 187 ? -0.0 : 0.0;
        else c.volume = std::round(std::fabs(unit(seed)) * 200000.0) / 100.0;
    }
    Candles grid = grid_candles(160, seed + 1);
    for (std::size_t i = 0; i < grid.size(); ++i) grid[i].volume = i % 9 == 4 ? 0.0 : std::round(std::fabs(unit(seed)) * 20.0) / 2.0;
    out.insert(out.end(), grid.begin(), grid.end());
    return out;
}

// The volume-weighted average of each window summed afresh, oldest pair first; the plain mean of
// the closes when the window holds no volume.
inline Series ref_vwma(const Candles& a, std::size_t n) {
    Series out(a.size());
    for (std::size_t t = n - 1; t < a.size(); ++t) {
        double pv = 0.0, vs = 0.0, ps = 0.0;
        bool volume = false;
        for (std::size_t i = t + 1 - n; i <= t; ++i)
            pv += a[i].close * a[i].volume, vs += a[i].volume, ps += a[i].close, volume |= a[i].volume > 0.0;
        out[t] = volume ? pv / vs : ps / static_cast<double>(n);
    }
    return out;
}

// A candle of close c (open, high and low at c) and volume v.
inline Candle cv(double c, double v) { return Candle{0, c, c, c, c, v}; }

}  // namespace prynox::test
