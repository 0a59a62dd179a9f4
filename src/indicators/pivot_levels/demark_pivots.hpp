#pragma once
// DeMark pivots: X weighs the high, the low or the close twice as the bar fell, rose or closed
// at its open; pp = X / 4, r1 = X / 2 - L, s1 = X / 2 - H.
#include "indicators/pivot_levels/floor_pivot.hpp"

namespace prynox {

struct DemarkPivotRule {
    static constexpr std::array<const char*, 3> kOutputNames{"pp", "r1", "s1"};
    static std::array<double, 3> levels(const Candle& c);
};

using DemarkPivots = FloorPivot<DemarkPivotRule>;

}  // namespace prynox
