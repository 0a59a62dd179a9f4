#pragma once
// A channel on the line through the outer pivots of the newest three (P0, P1, P2): slope =
// (P2 - P0) / (T2 - T0); base = P0 + slope * (i - T0), the line at the current bar; off = P1 -
// (P0 + slope * (T1 - T0)), the middle pivot's distance from the line; level_618 = base +
// 0.618 * off, level_1000 = base + off, level_1618 = base + 1.618 * off. The levels move with the bar.
#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

struct FibChannelRule {
    static constexpr std::array<const char*, 4> kOutputNames{"base", "level_618", "level_1000", "level_1618"};
    static constexpr std::size_t kMaxPivots = 3, kNeeds = 3;
    static constexpr std::uint64_t kWarmup = 3;
    static constexpr bool kTimed = true;
    static void levels(const SwingPivotTracker& t, std::array<double, 4>& out);
};

using FibChannel = SwingLevels<FibChannelRule>;

}  // namespace prynox
