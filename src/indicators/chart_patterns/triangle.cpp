#include "indicators/chart_patterns/triangle.hpp"

#include "indicators/chart_patterns/chart_pivots.hpp"

namespace prynox {

double TriangleRule::test(const SwingPivotTracker& t) {
    const HighsAndLows s(t);
    const bool highs_close = pivots_close(s.h1, s.h0), lows_close = pivots_close(s.l1, s.l0);
    if (highs_close) {
        if (s.l1 > 1.03 * s.l0) return kBullishSignal;
        if (s.h1 < 0.97 * s.h0 && lows_close) return kBearishSignal;
        return kNoPattern;
    }
    if (s.h1 < 0.97 * s.h0) {
        if (lows_close) return kBearishSignal;
        if (s.l1 > 1.03 * s.l0) return t.from_newest(0).is_high() ? kBearishSignal : kBullishSignal;
    }
    return kNoPattern;
}

}  // namespace prynox
