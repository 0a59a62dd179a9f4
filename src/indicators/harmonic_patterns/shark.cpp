#include "indicators/harmonic_patterns/shark.hpp"

#include "indicators/harmonic_patterns/harmonic_legs.hpp"

namespace prynox {

double SharkRule::test(const SwingPivotTracker& t) {
    return five_point_signal(t, {{{1.13, 1.618}, {1.618, 2.24}, {0.382, 0.886}, {0.886, 1.13}}});
}

}  // namespace prynox
