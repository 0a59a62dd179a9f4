#pragma once
// Woodie floor pivots: the close weighs twice, pp = ((L + H) + (C + C)) × 0.25.
#include "indicators/pivot_levels/floor_pivot.hpp"

namespace prynox {

struct WoodiePivotRule {
    static constexpr std::array<const char*, 5> kOutputNames{"pp", "r1", "r2", "s1", "s2"};
    static std::array<double, 5> levels(const Candle& c);
};

using WoodiePivots = FloorPivot<WoodiePivotRule>;

}  // namespace prynox
