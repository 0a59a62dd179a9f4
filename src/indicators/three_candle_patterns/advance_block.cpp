#include "indicators/three_candle_patterns/advance_block.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double AdvanceBlockRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double b1 = candle_body(k1), b2 = candle_body(k2), b3 = candle_body(k3);
    const bool rising = (b1 > 0.0) & (b2 > 0.0) & (b3 > 0.0) & (k2.close > k1.close) & (k3.close > k2.close);
    const bool opens_inside =
        (k1.open <= k2.open) & (k2.open <= k1.close) & (k2.open <= k3.open) & (k3.open <= k2.close);
    const double shadow3 = k3.high - k3.close;
    const bool tiring = (b2 < b1) & (b3 < b2) & (shadow3 >= k2.high - k2.close) & (shadow3 > 0.0);
    return rising & opens_inside & tiring ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
