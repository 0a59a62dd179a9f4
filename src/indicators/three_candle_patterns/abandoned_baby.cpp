#include "indicators/three_candle_patterns/abandoned_baby.hpp"

#include "indicators/cores/candle_shape.hpp"
#include "indicators/three_candle_patterns/price_tolerance.hpp"

namespace prynox {

double AbandonedBabyRule::test(CandleRow<3> c) const {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    if (!(body_size(k2) <= price_tolerance(tolerance, k2.open, k2.close))) return kNoPattern;
    const double b1 = candle_body(k1), b3 = candle_body(k3);
    if ((b1 < 0.0) & (k2.high < k1.low) & (b3 > 0.0) & (k3.low > k2.high)) return kBullishSignal;
    if ((b1 > 0.0) & (k2.low > k1.high) & (k3.high < k2.low) & (b3 < 0.0)) return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
