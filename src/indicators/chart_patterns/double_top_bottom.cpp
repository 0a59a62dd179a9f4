#include "indicators/chart_patterns/double_top_bottom.hpp"

#include "indicators/chart_patterns/chart_pivots.hpp"

namespace prynox {

double DoubleTopBottomRule::test(const SwingPivotTracker& t) {
    const SwingPivot& p1 = t.from_newest(0);
    if (!pivots_close(p1.price, t.from_newest(2).price)) return kNoPattern;
    return p1.is_high() ? kBearishSignal : kBullishSignal;
}

}  // namespace prynox
