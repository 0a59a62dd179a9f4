#include "indicators/chart_patterns/head_and_shoulders.hpp"

#include "indicators/chart_patterns/chart_pivots.hpp"

namespace prynox {

double HeadAndShouldersRule::test(const SwingPivotTracker& t) {
    const SwingPivot& p1 = t.from_newest(0);
    const double p2 = t.from_newest(1).price, p3 = t.from_newest(2).price;
    const double p4 = t.from_newest(3).price, p5 = t.from_newest(4).price;
    if (!pivots_close(p5, p1.price) || !pivots_close(p4, p2)) return kNoPattern;
    if (p1.is_high()) return p3 > p5 && p3 > p1.price ? kBearishSignal : kNoPattern;
    return p3 < p5 && p3 < p1.price ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
