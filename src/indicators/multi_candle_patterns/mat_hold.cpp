#include "indicators/multi_candle_patterns/mat_hold.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/body_ends.hpp"
#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double MatHoldRule::test(CandleRow<5> c) const {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2], &k4 = c[3], &k5 = c[4];
    const double r1 = candle_range(k1), b1 = candle_body(k1), half1 = 0.5 * b1;
    const bool first = (r1 > 0.0) & (b1 >= 0.5 * r1);
    const bool small = (body_size(k2) <= half1) & (body_size(k3) <= half1) & (body_size(k4) <= half1);
    const bool held = (body_bottom(k2) > k1.close) &
                      (std::min({k2.low, k3.low, k4.low}) > k1.close - penetration * b1);
    const bool breakout = (candle_body(k5) > 0.0) & (k5.close > std::max({k1.high, k2.high, k3.high, k4.high}));
    return first & small & held & breakout ? kBullishSignal : kNoPattern;
}

}  // namespace prynox
