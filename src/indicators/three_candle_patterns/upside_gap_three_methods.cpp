#include "indicators/three_candle_patterns/upside_gap_three_methods.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double UpsideGapThreeMethodsRule::test(CandleRow<3> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const bool shape = (k2.open > k1.close) & (candle_body(k1) > 0.0) & (candle_body(k2) > 0.0) &
                       (candle_body(k3) < 0.0) & (k3.open < k2.close) & (k3.close > k1.open) &
                       (k3.open > k2.open) & (k3.close < k1.close);
    return shape ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
