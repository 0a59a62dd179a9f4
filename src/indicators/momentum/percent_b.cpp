#include "indicators/momentum/percent_b.hpp"

namespace prynox {

// A constant window gives three equal lines exactly (the core tracks the run of equal closes),
// so the guards below see a width of exactly 0 there.
double PercentBRule::apply(double x, const BollingerValue& b) {
    double width = b.upper - b.lower;
    if (width == 0.0) return 0.5;
    return (x - b.lower) / width;
}

double BandwidthRule::apply(double, const BollingerValue& b) {
    if (b.middle == 0.0) return 0.0;
    return (b.upper - b.lower) / b.middle;
}

}  // namespace prynox
