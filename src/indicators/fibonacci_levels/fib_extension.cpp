#include "indicators/fibonacci_levels/fib_extension.hpp"

namespace prynox {

void FibExtensionRule::levels(const SwingPivotTracker& t, std::array<double, 5>& out) {
    const double p0 = t.from_oldest(0).price, p1 = t.from_oldest(1).price;
    with_overflow_fallback(out, [&](LevelScale s, std::array<double, 5>& o) {
        const double a = p0 * s.down, d = p1 * s.down - a;
        o = {(a + 1.272 * d) * s.up, (a + 1.414 * d) * s.up, (a + 1.618 * d) * s.up, (a + (d + d)) * s.up,
             (a + 2.618 * d) * s.up};
        return all_finite(o);
    });
}

}  // namespace prynox
