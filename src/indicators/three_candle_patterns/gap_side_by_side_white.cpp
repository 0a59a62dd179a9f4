#include "indicators/three_candle_patterns/gap_side_by_side_white.hpp"

#include <cmath>

#include "indicators/cores/body_ends.hpp"
#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double GapSideBySideWhiteRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double r2 = candle_range(k2), b2 = candle_body(k2), b3 = candle_body(k3);
    const bool lines = (r2 > 0.0) & (b2 > 0.0) & (b3 > 0.0) & (std::fabs(k3.open - k2.open) <= 0.1 * r2) &
                       (b2 <= b3 + b3) & (b3 <= b2 + b2);
    if (!lines) return kNoPattern;
    if (body_bottom(k2) > body_top(k1)) return kBullishSignal;
    if (body_top(k2) < body_bottom(k1)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
