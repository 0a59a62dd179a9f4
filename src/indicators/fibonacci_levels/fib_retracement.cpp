#include "indicators/fibonacci_levels/fib_retracement.hpp"

namespace prynox {

bool retracement_levels(double start, double end, LevelScale s, RetracementLevels& out) {
    const double e = end * s.down, d = start * s.down - e;
    out = {(e + 0.0 * d) * s.up,   (e + 0.236 * d) * s.up, (e + 0.382 * d) * s.up, (e + 0.5 * d) * s.up,
           (e + 0.618 * d) * s.up, (e + 0.786 * d) * s.up, (e + d) * s.up};
    return all_finite(out);
}

void FibRetracementRule::levels(const SwingPivotTracker& t, RetracementLevels& out) {
    const double p0 = t.from_oldest(0).price, p1 = t.from_oldest(1).price;
    with_overflow_fallback(out, [&](LevelScale s, RetracementLevels& o) { return retracement_levels(p0, p1, s, o); });
}

}  // namespace prynox
