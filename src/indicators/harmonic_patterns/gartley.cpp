#include "indicators/harmonic_patterns/gartley.hpp"

#include "indicators/harmonic_patterns/harmonic_legs.hpp"

namespace prynox {

double GartleyRule::test(const SwingPivotTracker& t) {
    return five_point_signal(t, {{{0.55, 0.7}, {0.382, 0.886}, {1.13, 1.618}, {0.74, 0.84}}});
}

}  // namespace prynox
