#include "indicators/chart_patterns/rectangle_range.hpp"

#include "indicators/chart_patterns/chart_pivots.hpp"

namespace prynox {

double RectangleRangeRule::test(const SwingPivotTracker& t) {
    const HighsAndLows s(t);
    if (!pivots_close(s.h1, s.h0) || !pivots_close(s.l1, s.l0)) return kNoPattern;
    return t.from_newest(0).is_high() ? kBearishSignal : kBullishSignal;
}

}  // namespace prynox
