#include "indicators/fibonacci_levels/auto_fib.hpp"

#include <cmath>

namespace prynox {

void AutoFibRule::levels(const SwingPivotTracker& t, RetracementLevels& out) {
    with_overflow_fallback(out, [&](LevelScale s, RetracementLevels& o) {
        // A size that overflows is infinite and wins, so the chosen leg overflows too and the
        // choice is made again on scaled prices, where sizes no longer tie at infinity.
        std::size_t best = 0;
        double best_size = 0.0;
        for (std::size_t k = 0; k + 1 < t.size(); ++k) {
            const double size = std::fabs(t.from_oldest(k).price * s.down - t.from_oldest(k + 1).price * s.down);
            if (k == 0 || size >= best_size) best = k, best_size = size;
        }
        return retracement_levels(t.from_oldest(best).price, t.from_oldest(best + 1).price, s, o);
    });
}

}  // namespace prynox
