#include "indicators/fibonacci_levels/fib_fan.hpp"

namespace prynox {

void FibFanRule::levels(const SwingPivotTracker& t, std::array<double, 3>& out) {
    const SwingPivot &older = t.from_oldest(0), &newer = t.from_oldest(1);
    const double time = bars_between(older.index, current_index(t)) / bars_between(older.index, newer.index);
    with_overflow_fallback(out, [&](LevelScale s, std::array<double, 3>& o) {
        const double a = older.price * s.down, d = newer.price * s.down - a;
        // P0 + ((r * d) * t), left to right: not P0 + r * (d * t), which differs in the last bit.
        o = {(a + 0.618 * d * time) * s.up, (a + 0.5 * d * time) * s.up, (a + 0.382 * d * time) * s.up};
        return all_finite(o);
    });
}

}  // namespace prynox
