#pragma once
// Fibonacci floor pivots: the classic pivot with levels at 0.382, 0.618 and 1 of the range.
#include "indicators/pivot_levels/floor_pivot.hpp"

namespace prynox {

struct FibonacciPivotRule {
    static constexpr std::array<const char*, 7> kOutputNames{"pp", "r1", "r2", "r3", "s1", "s2", "s3"};
    static std::array<double, 7> levels(const Candle& c);
};

using FibonacciPivots = FloorPivot<FibonacciPivotRule>;

}  // namespace prynox
