#pragma once
// Fan lines from the older pivot: t = (i - T0) / (T1 - T0), the bars since P0 in units of the
// swing's duration; d = P1 - P0; fan_382 = P0 + 0.618 * d * t, fan_500 = P0 + 0.5 * d * t,
// fan_618 = P0 + 0.382 * d * t. At the bar of P1 (t = 1) each line passes through the retracement
// level of its name. The lines move with the bar.
#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

struct FibFanRule {
    static constexpr std::array<const char*, 3> kOutputNames{"fan_382", "fan_500", "fan_618"};
    static constexpr std::size_t kMaxPivots = 2, kNeeds = 2;
    static constexpr std::uint64_t kWarmup = 2;
    static constexpr bool kTimed = true;
    static void levels(const SwingPivotTracker& t, std::array<double, 3>& out);
};

using FibFan = SwingLevels<FibFanRule>;

}  // namespace prynox
