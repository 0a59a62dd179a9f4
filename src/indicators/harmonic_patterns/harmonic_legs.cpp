#include "indicators/harmonic_patterns/harmonic_legs.hpp"

namespace prynox {

double five_point_signal(const SwingPivotTracker& t, const std::array<RatioWindow, 4>& w) {
    const double x = t.from_oldest(0).price, a = t.from_oldest(1).price, b = t.from_oldest(2).price;
    const double c = t.from_oldest(3).price, d = t.from_oldest(4).price;
    if (!w[0].holds(leg_ratio(a, b, x, a))) return kNoPattern;
    if (!w[1].holds(leg_ratio(b, c, a, b))) return kNoPattern;
    if (!w[2].holds(leg_ratio(c, d, b, c))) return kNoPattern;
    if (!w[3].holds(leg_ratio(a, d, x, a))) return kNoPattern;
    return completion_signal(t);
}

}  // namespace prynox
