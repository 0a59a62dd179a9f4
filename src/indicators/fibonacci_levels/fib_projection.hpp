#pragma once
// Projection of the swing A -> B from the newest pivot C (A, B, C the newest three pivots, oldest
// first): d = B - A; level_618 = C + 0.618 * d, level_1000 = C + d, level_1618 = C + 1.618 * d,
// level_2618 = C + 2.618 * d.
#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

struct FibProjectionRule {
    static constexpr std::array<const char*, 4> kOutputNames{"level_618", "level_1000", "level_1618", "level_2618"};
    static constexpr std::size_t kMaxPivots = 3, kNeeds = 3;
    static constexpr std::uint64_t kWarmup = 3;
    static constexpr bool kTimed = false;
    static void levels(const SwingPivotTracker& t, std::array<double, 4>& out);
};

using FibProjection = SwingLevels<FibProjectionRule>;

}  // namespace prynox
