#pragma once
// Retracement levels of the largest leg among the pivots held (up to six, so five legs): legs
// are consecutive pivots, oldest first, sized |start - end|; a later leg at least as large
// replaces the best, so a tie goes to the newer leg. With that leg (start S, end E):
// level_r = E + r * (S - E), level_1000 = E + (S - E).
#include "indicators/fibonacci_levels/fib_retracement.hpp"

namespace prynox {

struct AutoFibRule {
    static constexpr auto kOutputNames = FibRetracementRule::kOutputNames;
    static constexpr std::size_t kMaxPivots = 6, kNeeds = 2;
    static constexpr std::uint64_t kWarmup = 2;
    static constexpr bool kTimed = false;
    static void levels(const SwingPivotTracker& t, RetracementLevels& out);
};

using AutoFib = SwingLevels<AutoFibRule>;

}  // namespace prynox
