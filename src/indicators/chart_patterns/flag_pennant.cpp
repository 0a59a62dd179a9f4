#include "indicators/chart_patterns/flag_pennant.hpp"

#include <cmath>

#include "indicators/chart_patterns/chart_pivots.hpp"

namespace prynox {

double FlagPennantRule::test(const SwingPivotTracker& t) {
    const double p1 = t.from_newest(0).price, p2 = t.from_newest(1).price, p3 = t.from_newest(2).price;
    const double pole = p2 - p3;
    if (pole == 0.0) return kNoPattern;
    // A pole that overflows (pivots of both signs near the double range) is halved before it is
    // measured, exactly there: its infinite half would let any flag pass.
    const double half_pole = std::isfinite(pole) ? 0.5 * std::fabs(pole) : std::fabs(0.5 * p2 - 0.5 * p3);
    if (!(std::fabs(p1 - p2) < half_pole)) return kNoPattern;
    return t.from_newest(1).is_high() ? kBullishSignal : kBearishSignal;
}

}  // namespace prynox
