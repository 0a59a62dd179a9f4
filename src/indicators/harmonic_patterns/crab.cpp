#include "indicators/harmonic_patterns/crab.hpp"

#include "indicators/harmonic_patterns/harmonic_legs.hpp"

namespace prynox {

double CrabRule::test(const SwingPivotTracker& t) {
    return five_point_signal(t, {{{0.382, 0.618}, {0.382, 0.886}, {2.24, 3.618}, {1.55, 1.65}}});
}

}  // namespace prynox
