#include "indicators/fibonacci_levels/fib_arcs.hpp"

#include <algorithm>
#include <cmath>

namespace prynox {

void FibArcsRule::levels(const SwingPivotTracker& t, std::array<double, 3>& out) {
    const SwingPivot &older = t.from_oldest(0), &newer = t.from_oldest(1);
    const double u = bars_between(newer.index, current_index(t)) / bars_between(older.index, newer.index);
    const double f = std::sqrt(std::max(1.0 - u * u, 0.0));
    with_overflow_fallback(out, [&](LevelScale s, std::array<double, 3>& o) {
        const double b = newer.price * s.down, d = older.price * s.down - b;
        // P1 + ((r * d) * f), left to right: not P1 + r * (d * f), which differs in the last bit.
        o = {(b + 0.382 * d * f) * s.up, (b + 0.5 * d * f) * s.up, (b + 0.618 * d * f) * s.up};
        return all_finite(o);
    });
}

}  // namespace prynox
