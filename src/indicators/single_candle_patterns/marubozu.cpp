#include "indicators/single_candle_patterns/marubozu.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double MarubozuRule::test(CandleRow<1> c) const {
    const Candle& k = c[0];
    const double r = candle_range(k);
    if (!(r > 0.0)) return kNoPattern;
    const double b = candle_body(k);
    if (b == 0.0) return kNoPattern;
    const double limit = threshold * r;
    if (!(upper_shadow(k) <= limit && lower_shadow(k) <= limit)) return kNoPattern;
    return b > 0.0 ? kBullishSignal : kBearishSignal;
}

}  // namespace prynox
