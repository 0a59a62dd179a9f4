#include "indicators/fibonacci_levels/fib_channel.hpp"

namespace prynox {

void FibChannelRule::levels(const SwingPivotTracker& t, std::array<double, 4>& out) {
    const SwingPivot &p0 = t.from_oldest(0), &p1 = t.from_oldest(1), &p2 = t.from_oldest(2);
    const double span = bars_between(p0.index, p2.index), middle = bars_between(p0.index, p1.index);
    const double now = bars_between(p0.index, current_index(t));
    with_overflow_fallback(out, [&](LevelScale s, std::array<double, 4>& o) {
        const double a = p0.price * s.down;
        const double slope = (p2.price * s.down - a) / span;
        const double base = a + slope * now, off = p1.price * s.down - (a + slope * middle);
        o = {base * s.up, (base + 0.618 * off) * s.up, (base + off) * s.up, (base + 1.618 * off) * s.up};
        return all_finite(o);
    });
}

}  // namespace prynox
