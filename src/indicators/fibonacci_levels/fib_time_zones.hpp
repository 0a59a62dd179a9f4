#pragma once
// Time zones after the newest pivot: e, the bars since it, is on a zone when it is a Fibonacci
// number (1, 2, 3, 5, 8, ..., each the sum of the two before); bars_to_next is the distance to the
// first of them above e, and 1 on the pivot's own bar. One pivot is enough, so a value comes as
// soon as the first is confirmed, on bar 2 at the earliest, while the reported warm-up is 2.
#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

struct FibTimeZonesRule {
    static constexpr std::array<const char*, 2> kOutputNames{"on_zone", "bars_to_next"};
    static constexpr std::size_t kMaxPivots = 2, kNeeds = 1;
    static constexpr std::uint64_t kWarmup = 2;
    static constexpr bool kTimed = true;
    static void levels(const SwingPivotTracker& t, std::array<double, 2>& out);
};

using FibTimeZones = SwingLevels<FibTimeZonesRule>;

}  // namespace prynox
