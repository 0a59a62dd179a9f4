#pragma once
// Arcs around the newer pivot: u = (i - T1) / (T1 - T0), the bars since P1 in units of the
// swing's duration; f = sqrt(max(1 - u * u, 0)); d = P0 - P1; arc_382 = P1 + 0.382 * d * f,
// arc_500 = P1 + 0.5 * d * f, arc_618 = P1 + 0.618 * d * f. From u >= 1 on all three equal P1.
#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

struct FibArcsRule {
    static constexpr std::array<const char*, 3> kOutputNames{"arc_382", "arc_500", "arc_618"};
    static constexpr std::size_t kMaxPivots = 2, kNeeds = 2;
    static constexpr std::uint64_t kWarmup = 2;
    static constexpr bool kTimed = true;
    static void levels(const SwingPivotTracker& t, std::array<double, 3>& out);
};

using FibArcs = SwingLevels<FibArcsRule>;

}  // namespace prynox
