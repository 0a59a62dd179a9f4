#include "indicators/single_candle_patterns/marubozu.hpp"

#include "indicators/cores/candle_shape.hpp"

namespace prynox {

double MarubozuRule::test(CandleRow<1> c) const {
    const Candle& k = c[0];
    const double r = candle_range(k), b = candle_body(k), limit = threshold * r;
    const bool shape = (r > 0.0) & (b != 0.0) & (upper_shadow(k) <= limit) & (lower_shadow(k) <= limit);
    if (!shape) return kNoPattern;
    return b > 0.0 ? kBullishSignal : kBearishSignal;
}

}  // namespace prynox
