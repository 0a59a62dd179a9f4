#include "indicators/three_candle_patterns/stick_sandwich.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double StickSandwichRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const bool shape = (candle_body(k1) < 0.0) & (candle_body(k2) > 0.0) & (candle_body(k3) < 0.0) &
                       (k2.low > k1.close) & (std::fabs(k3.close - k1.close) <= 0.1 * candle_range(k1));
    return shape ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
