#pragma once
// Extension levels measured from the older pivot through the newer one: d = P1 - P0;
// level_1272 = P0 + 1.272 * d, level_1414 = P0 + 1.414 * d, level_1618 = P0 + 1.618 * d,
// level_2000 = P0 + (d + d), level_2618 = P0 + 2.618 * d.
#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

struct FibExtensionRule {
    static constexpr std::array<const char*, 5> kOutputNames{"level_1272", "level_1414", "level_1618", "level_2000",
                                                             "level_2618"};
    static constexpr std::size_t kMaxPivots = 2, kNeeds = 2;
    static constexpr std::uint64_t kWarmup = 2;
    static constexpr bool kTimed = false;
    static void levels(const SwingPivotTracker& t, std::array<double, 5>& out);
};

using FibExtension = SwingLevels<FibExtensionRule>;

}  // namespace prynox
