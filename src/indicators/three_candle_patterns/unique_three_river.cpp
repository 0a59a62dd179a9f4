#include "indicators/three_candle_patterns/unique_three_river.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double UniqueThreeRiverRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double b3 = candle_body(k3);
    const bool shape = (candle_body(k1) < 0.0) & (k1.open - k1.close >= 0.5 * candle_range(k1)) &
                       (candle_body(k2) < 0.0) & (k2.open <= k1.open) & (k2.close >= k1.close) &
                       (k2.low < k1.low) & (b3 > 0.0) & (b3 <= 0.3 * candle_range(k3)) & (k3.high <= k2.close);
    return shape ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
