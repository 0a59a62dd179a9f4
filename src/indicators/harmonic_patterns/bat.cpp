#include "indicators/harmonic_patterns/bat.hpp"

#include "indicators/harmonic_patterns/harmonic_legs.hpp"

namespace prynox {

double BatRule::test(const SwingPivotTracker& t) {
    return five_point_signal(t, {{{0.382, 0.5}, {0.382, 0.886}, {1.618, 2.618}, {0.84, 0.93}}});
}

}  // namespace prynox
