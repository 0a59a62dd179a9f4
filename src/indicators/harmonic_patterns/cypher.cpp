#include "indicators/harmonic_patterns/cypher.hpp"

#include "indicators/harmonic_patterns/harmonic_legs.hpp"

namespace prynox {

double CypherRule::test(const SwingPivotTracker& t) {
    const double x = t.from_oldest(0).price, a = t.from_oldest(1).price, b = t.from_oldest(2).price;
    const double c = t.from_oldest(3).price, d = t.from_oldest(4).price;
    if (!RatioWindow{0.382, 0.618}.holds(leg_ratio(a, b, x, a))) return kNoPattern;
    if (!RatioWindow{1.272, 1.414}.holds(leg_ratio(x, c, x, a))) return kNoPattern;
    if (!RatioWindow{0.74, 0.83}.holds(leg_ratio(c, d, x, c))) return kNoPattern;
    return completion_signal(t);
}

}  // namespace prynox
