#pragma once
// Retracement levels of the newest swing: level_r = P1 + r * (P0 - P1) for r = 0, 0.236, 0.382,
// 0.5, 0.618, 0.786, and level_1000 = P1 + (P0 - P1), P0 the older pivot and P1 the newer. So
// level_0 is the newest pivot and level_1000 the one before it.
#include <array>

#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

using RetracementLevels = std::array<double, 7>;

// The seven levels of the leg from `start` to `end`, measured back from the end; false when the
// arithmetic overflowed.
bool retracement_levels(double start, double end, LevelScale s, RetracementLevels& out);

struct FibRetracementRule {
    static constexpr std::array<const char*, 7> kOutputNames{"level_0",   "level_236", "level_382", "level_500",
                                                             "level_618", "level_786", "level_1000"};
    static constexpr std::size_t kMaxPivots = 2, kNeeds = 2;
    static constexpr std::uint64_t kWarmup = 2;
    static constexpr bool kTimed = false;
    static void levels(const SwingPivotTracker& t, RetracementLevels& out);
};

using FibRetracement = SwingLevels<FibRetracementRule>;

}  // namespace prynox
