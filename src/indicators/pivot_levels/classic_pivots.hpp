#pragma once
// Classic floor pivots of the bar: pp = (C + (L + H)) / 3 and three levels either side.
#include "indicators/pivot_levels/floor_pivot.hpp"

namespace prynox {

struct ClassicPivotRule {
    static constexpr std::array<const char*, 7> kOutputNames{"pp", "r1", "r2", "r3", "s1", "s2", "s3"};
    static std::array<double, 7> levels(const Candle& c);
};

using ClassicPivots = FloorPivot<ClassicPivotRule>;

}  // namespace prynox
