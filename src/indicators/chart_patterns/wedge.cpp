#include "indicators/chart_patterns/wedge.hpp"

#include <cmath>

#include "indicators/chart_patterns/chart_pivots.hpp"

namespace prynox {

double WedgeRule::test(const SwingPivotTracker& t) {
    const HighsAndLows s(t);
    double dh = s.h1 - s.h0, dl = s.l1 - s.l0;
    // Both moves overflow only on pivots of both signs near the double range; halved, exactly
    // there, they keep the order that two infinities lose. One infinite move against a finite one
    // compares as it should.
    if (!std::isfinite(dh) && !std::isfinite(dl)) {
        dh = 0.5 * s.h1 - 0.5 * s.h0;
        dl = 0.5 * s.l1 - 0.5 * s.l0;
    }
    if (dl > dh && dl > 0.0 && dh > 0.0) return kBearishSignal;
    if (dh < 0.0 && dl < 0.0 && dl > dh) return kBullishSignal;
    return kNoPattern;
}

}  // namespace prynox
