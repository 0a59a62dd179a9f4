#include "indicators/chart_patterns/cup_and_handle.hpp"

#include "indicators/chart_patterns/chart_pivots.hpp"

namespace prynox {

double CupAndHandleRule::test(const SwingPivotTracker& t) {
    const SwingPivot& p1 = t.from_newest(0);
    const double p2 = t.from_newest(1).price, p3 = t.from_newest(2).price, p4 = t.from_newest(3).price;
    if (!p1.is_high()) return p3 < p1.price && p1.price < p2 && pivots_close(p4, p2) ? kBullishSignal : kNoPattern;
    return p2 < p1.price && p1.price < p3 && pivots_close(p4, p2) ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
