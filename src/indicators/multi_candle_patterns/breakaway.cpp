#include "indicators/multi_candle_patterns/breakaway.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double BreakawayRule::test(CandleRow<5> c) {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2], &k4 = c[3], &k5 = c[4];
    const double b1 = candle_body(k1), b2 = candle_body(k2), b4 = candle_body(k4), b5 = candle_body(k5);
    if ((k4.low < k3.low) & (k4.high < k3.high) & (k2.open < k1.close) & (b1 < 0.0) & (b2 < 0.0) &
        (k3.high < k2.high) & (k3.low < k2.low) & (b4 < 0.0) & (k5.close < k1.close) & (k5.close > k2.open) & (b5 > 0.0))
        return kBullishSignal;
    if ((b4 > 0.0) & (k4.high > k3.high) & (k3.high > k2.high) & (k3.low > k2.low) & (b1 > 0.0) & (b2 > 0.0) &
        (k2.open > k1.close) & (k4.low > k3.low) & (b5 < 0.0) & (k5.close < k2.open) & (k5.close > k1.close))
        return kBearishSignal;
    return kNoPattern;
}

}  // namespace prynox
