#include "indicators/multi_candle_patterns/ladder_bottom.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double LadderBottomRule::test(CandleRow<5> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2], &k4 = c[3], &k5 = c[4];
    const bool falling = (k3.close < k2.close) & (k3.open < k2.open) & (k2.close < k1.close) & (k2.open < k1.open) &
                         (candle_body(k1) < 0.0) & (candle_body(k2) < 0.0) & (candle_body(k3) < 0.0);
    const bool fourth = (k4.high > k4.open) & (candle_body(k4) < 0.0);
    const bool fifth = (k5.open > k4.open) & (candle_body(k5) > 0.0) & (k5.close > k4.high);
    return falling & fourth & fifth ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
