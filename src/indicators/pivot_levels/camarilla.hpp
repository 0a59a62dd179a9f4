#pragma once
// Camarilla levels: the classic pivot, and four bands either side centred on the close, at
// 1/12, 1/6, 1/4 and 1/2 of 1.1 times the range.
#include "indicators/pivot_levels/floor_pivot.hpp"

namespace prynox {

struct CamarillaRule {
    static constexpr std::array<const char*, 9> kOutputNames{"pp", "r1", "r2", "r3", "r4", "s1", "s2", "s3", "s4"};
    static std::array<double, 9> levels(const Candle& c);
};

using Camarilla = FloorPivot<CamarillaRule>;

}  // namespace prynox
