#include "indicators/chart_patterns/triple_top_bottom.hpp"

#include "indicators/chart_patterns/chart_pivots.hpp"

namespace prynox {

double TripleTopBottomRule::test(const SwingPivotTracker& t) {
    const SwingPivot& p1 = t.from_newest(0);
    const double p3 = t.from_newest(2).price, p5 = t.from_newest(4).price;
    if (!pivots_close(p5, p3) || !pivots_close(p3, p1.price)) return kNoPattern;
    return p1.is_high() ? kBearishSignal : kBullishSignal;
}

}  // namespace prynox
