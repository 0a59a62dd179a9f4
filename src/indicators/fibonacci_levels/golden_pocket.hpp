#pragma once
// The band between the 0.618 and 0.65 retracements of the newest swing: a = P1 + 0.618 * (P0 - P1),
// b = P1 + 0.65 * (P0 - P1); low = min(a, b), high = max(a, b), mid their overflow-safe midpoint.
#include "indicators/fibonacci_levels/swing_levels.hpp"

namespace prynox {

struct GoldenPocketRule {
    static constexpr std::array<const char*, 3> kOutputNames{"low", "mid", "high"};
    static constexpr std::size_t kMaxPivots = 2, kNeeds = 2;
    static constexpr std::uint64_t kWarmup = 2;
    static constexpr bool kTimed = false;
    static void levels(const SwingPivotTracker& t, std::array<double, 3>& out);
};

using GoldenPocket = SwingLevels<GoldenPocketRule>;

}  // namespace prynox
