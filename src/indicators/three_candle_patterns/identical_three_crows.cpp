#include "indicators/three_candle_patterns/identical_three_crows.hpp"

#include <cmath>

#include "indicators/cores/candle_shape.hpp"
#include "indicators/three_candle_patterns/price_tolerance.hpp"

namespace prynox {

double IdenticalThreeCrowsRule::test(CandleRow<3> c) const {
    const Candle &k1 = c[0], &k2 = c[1], &k3 = c[2];
    const bool falling = (candle_body(k1) < 0.0) & (candle_body(k2) < 0.0) & (k3.close < k2.close) &
                         (candle_body(k3) < 0.0) & (k2.close < k1.close);
    const bool identical = (std::fabs(k2.open - k1.close) <= price_tolerance(tolerance, k2.open, k1.close)) &
                           (std::fabs(k3.open - k2.close) <= price_tolerance(tolerance, k3.open, k2.close));
    return falling & identical ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
