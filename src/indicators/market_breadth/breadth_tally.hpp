#pragma once
// What every breadth type reads of a cross-section list: counts of advancing, declining and
// flagged entries and the volume of the advancing and declining ones, in list order. An entry
// whose change is 0 or NaN is neither advancing nor declining. Volumes are taken as given.
#include <cmath>
#include <cstdint>
#include <span>

#include "indicators/indicator.hpp"

namespace prynox {

struct BreadthTally {
    double advancing = 0.0;  // counts, exact as doubles
    double declining = 0.0;
    double new_highs = 0.0;
    double new_lows = 0.0;
    double above_ma = 0.0;
    double bullish = 0.0;
    double entries = 0.0;
    double up_volume = -0.0;  // a sum over no entry is -0.0
    double down_volume = -0.0;
};

inline BreadthTally tally(std::span<const CrossSectionEntry> list) {
    std::uint64_t up = 0, down = 0, highs = 0, lows = 0, above = 0, bull = 0;
    BreadthTally t;
    for (const CrossSectionEntry& e : list) {
        if (e.change > 0.0) {
            ++up;
            t.up_volume += e.volume;
        } else if (e.change < 0.0) {
            ++down;
            t.down_volume += e.volume;
        }
        highs += e.new_high;
        lows += e.new_low;
        above += e.above_ma;
        bull += e.bullish;
    }
    t.advancing = static_cast<double>(up);
    t.declining = static_cast<double>(down);
    t.new_highs = static_cast<double>(highs);
    t.new_lows = static_cast<double>(lows);
    t.above_ma = static_cast<double>(above);
    t.bullish = static_cast<double>(bull);
    t.entries = static_cast<double>(list.size());
    return t;
}

// max(v, 1) that takes 1 for a NaN sum.
inline double at_least_one(double v) { return std::fmax(v, 1.0); }

}  // namespace prynox
