#include "indicators/harmonic_patterns/abcd.hpp"

#include "indicators/harmonic_patterns/harmonic_legs.hpp"

namespace prynox {

double AbcdRule::test(const SwingPivotTracker& t) {
    const double a = t.from_oldest(0).price, b = t.from_oldest(1).price;
    const double c = t.from_oldest(2).price, d = t.from_oldest(3).price;
    if (!RatioWindow{0.382, 0.886}.holds(leg_ratio(b, c, a, b))) return kNoPattern;
    if (!RatioWindow{1.13, 2.618}.holds(leg_ratio(c, d, b, c))) return kNoPattern;
    if (!legs_alike(a, b, c, d, 0.1)) return kNoPattern;
    return completion_signal(t);
}

}  // namespace prynox
