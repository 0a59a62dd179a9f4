#include "indicators/three_candle_patterns/three_stars_in_south.hpp"

#include "indicators/cores/candle_shape.hpp"
#include "indicators/three_candle_patterns/price_tolerance.hpp"

namespace prynox {

double ThreeStarsInSouthRule::test(CandleRow<3> c) const {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const double fall1 = k1.open - k1.close;
    const bool first = (candle_body(k1) < 0.0) & (k1.close - k1.low >= fall1);
    const bool second = (candle_body(k2) < 0.0) & (k1.close <= k2.open) & (k2.open <= k1.open) &
                        (fall1 > k2.open - k2.close) & (k2.close > k1.close) & (k2.low > k1.low);
    const double t = price_tolerance(tolerance, k3.high, k3.low);
    const bool third = (candle_body(k3) < 0.0) & (k2.high > k3.high) & (k3.low > k2.low) &
                       (k3.high - k3.open <= t) & (k3.close - k3.low <= t);
    return first & second & third ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
