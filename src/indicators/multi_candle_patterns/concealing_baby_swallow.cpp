#include "indicators/multi_candle_patterns/concealing_baby_swallow.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

namespace {

// A black candle whose shadows are at most 0.05 of its positive range.
bool shaven_black(const Candle& k) {
    const double r = candle_range(k), limit = 0.05 * r;
    return (r > 0.0) & (candle_body(k) < 0.0) & (k.high - k.open <= limit) & (k.close - k.low <= limit);
}

}  // namespace

double ConcealingBabySwallowRule::test(CandleRow<4> c) {
    const Candle &k2 = c[1], &k3 = c[2], &k4 = c[3];
    const bool third = (candle_body(k3) < 0.0) & (k3.open < k2.close) & (k3.high > k2.close);
    const bool fourth = (candle_body(k4) < 0.0) & (k4.close < k3.low) & (k4.open > k3.high);
    return shaven_black(c[0]) & shaven_black(k2) & third & fourth ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
