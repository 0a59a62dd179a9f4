#include "indicators/three_candle_patterns/three_inside.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double ThreeInsideRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double b1 = candle_body(k1), b2 = candle_body(k2), b3 = candle_body(k3);
    if (!((b1 != 0.0) & (b2 != 0.0) & (std::fabs(b2) < std::fabs(b1)))) return kNoPattern;
    if ((k3.close > k1.open) & (b3 > 0.0) & (k2.close <= k1.open) & (k2.open >= k1.close) & (b1 < 0.0) & (b2 > 0.0))
        return kBullishSignal;
    if ((b2 < 0.0) & (b1 > 0.0) & (k2.open <= k1.close) & (k2.close >= k1.open) & (b3 < 0.0) & (k3.close < k1.open))
        return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
