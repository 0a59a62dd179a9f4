#include "indicators/fibonacci_levels/golden_pocket.hpp"

#include <algorithm>

#include "indicators/cores/midpoint.hpp"

namespace prynox {

void GoldenPocketRule::levels(const SwingPivotTracker& t, std::array<double, 3>& out) {
    const double p0 = t.from_oldest(0).price, p1 = t.from_oldest(1).price;
    with_overflow_fallback(out, [&](LevelScale s, std::array<double, 3>& o) {
        const double e = p1 * s.down, d = p0 * s.down - e;
        const double a = e + 0.618 * d, b = e + 0.65 * d;
        const double low = std::min(a, b), high = std::max(a, b);
        o = {low * s.up, midpoint(low, high) * s.up, high * s.up};
        return all_finite(o);
    });
}

}  // namespace prynox
