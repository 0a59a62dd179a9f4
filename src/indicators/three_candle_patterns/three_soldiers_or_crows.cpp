#include "indicators/three_candle_patterns/three_soldiers_or_crows.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double ThreeSoldiersOrCrowsRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double b1 = candle_body(k1), b2 = candle_body(k2), b3 = candle_body(k3);
    if ((k2.open <= k3.open) & (k3.open <= k2.close) & (k1.open <= k2.open) & (k2.open <= k1.close) &
        (k3.close > k2.close) & (k2.close > k1.close) & (b3 > 0.0) & (b1 > 0.0) & (b2 > 0.0))
        return kBullishSignal;
    if ((b1 < 0.0) & (b2 < 0.0) & (b3 < 0.0) & (k2.close < k1.close) & (k3.close < k2.close) &
        (k1.close <= k2.open) & (k2.open <= k1.open) & (k2.close <= k3.open) & (k3.open <= k2.open))
        return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
