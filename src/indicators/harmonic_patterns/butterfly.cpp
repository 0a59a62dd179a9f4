#include "indicators/harmonic_patterns/butterfly.hpp"

#include "indicators/harmonic_patterns/harmonic_legs.hpp"

namespace prynox {

double ButterflyRule::test(const SwingPivotTracker& t) {
    return five_point_signal(t, {{{0.74, 0.84}, {0.382, 0.886}, {1.618, 2.618}, {1.27, 1.618}}});
}

}  // namespace prynox
