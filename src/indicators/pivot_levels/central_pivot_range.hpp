#pragma once
// Central pivot range: the pivot ((H + L) + C) / 3, the midpoint b of high and low and its
// reflection t = 2 × pivot - b; the top of the range is the larger of the two.
#include "indicators/pivot_levels/floor_pivot.hpp"

namespace prynox {

struct CentralPivotRangeRule {
    static constexpr std::array<const char*, 3> kOutputNames{"pivot", "tc", "bc"};
    static std::array<double, 3> levels(const Candle& c);
};

using CentralPivotRange = FloorPivot<CentralPivotRangeRule>;

}  // namespace prynox
