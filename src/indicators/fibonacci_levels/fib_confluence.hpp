#pragma once
// Where the retracements of the recent legs cluster. Over the pivots held (three to six), each
// leg (start a, end b), oldest first, adds the levels b + r * (a - b) for r = 0.382, 0.5, 0.618.
// Each level in list order is a candidate: the levels within 3 % of it (of the larger magnitude)
// are counted, and the candidate with the largest count is kept, a later one winning a tie.
// price is the mean of the kept candidate's close levels (summed in list order from -0.0),
// strength their count.
#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

struct FibConfluenceRule {
    static constexpr std::array<const char*, 2> kOutputNames{"price", "strength"};
    static constexpr std::size_t kMaxPivots = 6, kNeeds = 3;
    static constexpr std::uint64_t kWarmup = 3;
    static constexpr bool kTimed = false;
    static void levels(const SwingPivotTracker& t, std::array<double, 2>& out);
};

using FibConfluence = SwingLevels<FibConfluenceRule>;

}  // namespace prynox
