#include "indicators/three_candle_patterns/stalled_pattern.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double StalledPatternRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double r1 = candle_range(k1), r2 = candle_range(k2), r3 = candle_range(k3);
    const double b1 = candle_body(k1), b2 = candle_body(k2), b3 = candle_body(k3);
    const bool shape = (r3 > 0.0) & (r1 > 0.0) & (r2 > 0.0) & (b1 > 0.0) & (b2 > 0.0) & (b3 > 0.0) &
                       (k2.close > k1.close) & (k3.close > k2.close) & (b1 >= 0.5 * r1) & (b2 >= 0.5 * r2) &
                       (b3 <= 0.3 * r3) & (k3.open >= k2.close + -0.1 * r2);
    return shape ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
