#include "indicators/fibonacci_levels/fib_projection.hpp"

namespace prynox {

void FibProjectionRule::levels(const SwingPivotTracker& t, std::array<double, 4>& out) {
    const double a = t.from_oldest(0).price, b = t.from_oldest(1).price, c = t.from_oldest(2).price;
    with_overflow_fallback(out, [&](LevelScale s, std::array<double, 4>& o) {
        const double d = b * s.down - a * s.down, e = c * s.down;
        o = {(e + 0.618 * d) * s.up, (e + d) * s.up, (e + 1.618 * d) * s.up, (e + 2.618 * d) * s.up};
        return all_finite(o);
    });
}

}  // namespace prynox
